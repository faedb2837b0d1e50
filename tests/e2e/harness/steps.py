"""Named steps of a scenario. A failure inside a step is reported with the
step's name, what was expected and what was seen, and a screenshot of the
screen at that moment is kept beside the other artifacts."""
import contextlib
import os
import re
import shutil

from . import desktop, dump


class StepFailed(AssertionError):
    pass


class Steps:
    def __init__(self, folder):
        self.folder = folder
        self.count = 0
        self.program = None

    @contextlib.contextmanager
    def __call__(self, name):
        self.count += 1
        try:
            yield
        except StepFailed:
            raise
        except BaseException as error:
            shot = self._shot(name)
            self._keep_tree(name)
            raise StepFailed(f"step {self.count} '{name}': {error}\n  screenshot: {shot}") from error

    def shot(self, name):
        """A screenshot kept on purpose (to look at a window)."""
        return self._shot(name)

    def _shot(self, name):
        slug = re.sub(r"[^A-Za-z0-9]+", "-", name).strip("-")[:60]
        path = os.path.join(self.folder, f"{self.count:02d}-{slug}.png")
        desktop.screenshot(path)
        return path

    def _keep_tree(self, name):
        if self.program is None or self.program.app is None:
            return
        os.makedirs(self.folder, exist_ok=True)
        with open(os.path.join(self.folder, f"{self.count:02d}-tree.txt"), "w") as out:
            try:
                dump.dump(self.program.app, out=out)
            except Exception as error:  # the program may have died: keep what was written
                out.write(f"(tree incomplete: {error})\n")

    def keep_log(self, log_path):
        if os.path.exists(log_path) and os.path.getsize(log_path) > 0:
            os.makedirs(self.folder, exist_ok=True)
            shutil.copy(log_path, os.path.join(self.folder, "program.log"))


def expect_equal(seen, expected, what):
    if seen != expected:
        raise AssertionError(f"{what}: expected {expected!r}, saw {seen!r}")


def expect_in(needle, haystack, what):
    if needle not in haystack:
        raise AssertionError(f"{what}: expected to contain {needle!r}, saw {haystack!r}")
