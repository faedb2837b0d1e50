"""One run of the real program for a scenario: its own program folder, HOME,
XDG_CONFIG_HOME and TMPDIR, accessibility on, a Romanian locale; started,
found on the accessibility bus, and ended at the scenario's close.

The windows are reached through `window()`, `dialog()` and `alert()`, and
the controls inside them through `control()`; `press()` clicks a button as
a person would, with the mouse.
"""
import os
import signal
import subprocess
import time

from . import desktop


FIELD_ROLES = ("text", "entry", "password text", "spin button", "combo box", "date editor")


class Program:
    def __init__(self, home, binary=None, folder=None):
        """`folder`: the program folder the program is expected to choose by
        itself (VARNELA_HOME is then not set); by default one under home,
        given through VARNELA_HOME."""
        self.home = home
        self.binary = binary or os.environ["VARNELA_BINARY"]
        self.chooses_folder = folder is not None
        self.folder = folder or os.path.join(home, "program")
        self.data = os.path.join(self.folder, "Data")
        self.config = os.path.join(home, "config")
        self.tmp = os.path.join(home, "tmp")
        for path in (self.config, self.tmp) if self.chooses_folder else (self.folder, self.config, self.tmp):
            os.makedirs(path, exist_ok=True)
        self.process = None
        self.app = None
        self.log_path = os.path.join(home, "program.log")

    def environment(self):
        env = dict(os.environ)
        env.update({
            "HOME": self.home,
            "XDG_CONFIG_HOME": self.config,
            "XDG_DATA_HOME": os.path.join(self.home, "share"),
            "TMPDIR": self.tmp,
            "VARNELA_HOME": self.folder,
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "LANG": "ro_RO.UTF-8",
            "LANGUAGE": "ro",
        })
        for name in ("VARNELA_REGISTRY", "LC_ALL", "LC_TIME", "LC_NUMERIC", "QT_ACCESSIBILITY"):
            env.pop(name, None)
        if self.chooses_folder:
            del env["VARNELA_HOME"]
        return env

    def start(self, wait_for_main=True):
        log = open(self.log_path, "ab")
        self.process = subprocess.Popen([self.binary], env=self.environment(),
                                        stdout=log, stderr=subprocess.STDOUT)
        self.app = desktop.application_of(self.process.pid, timeout=20)
        if wait_for_main:
            self.main_window()
        return self

    def running(self):
        return self.process is not None and self.process.poll() is None

    def wait_ended(self, timeout=15):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program was still running {timeout} s later")

    def stop(self):
        if self.running():
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.app = None

    # Windows -------------------------------------------------------------

    def top_levels(self):
        return [w for w in desktop._children(self.app) if desktop.is_showing(w)]

    def window(self, name=None, role=None, contains=None, timeout=desktop.DEFAULT_TIMEOUT):
        """A showing top-level window by its caption (or part of it)."""
        def look():
            for w in self.top_levels():
                if desktop.matches(w, role, name, contains):
                    return w
            return None
        what = f"a window {role or ''} named {name or contains!r}"
        return desktop.wait_for(look, what, timeout)

    def main_window(self, timeout=20):
        return self.window(name="Varnela 2.25", role="frame", timeout=timeout)

    def dialog(self, name=None, contains=None, timeout=desktop.DEFAULT_TIMEOUT):
        return self.window(name=name, role="dialog", contains=contains, timeout=timeout)

    def alert(self, containing, timeout=desktop.DEFAULT_TIMEOUT):
        """A message box (or the program's message dialog) whose texts hold
        `containing`."""
        def look():
            for w in self.top_levels():
                if desktop.role_of(w) not in ("alert", "dialog"):
                    continue
                for node in desktop.walk(w):
                    if containing in desktop.name_of(node) or containing in desktop.text_of(node):
                        return w
            return None
        return desktop.wait_for(look, f"a message saying {containing!r}", timeout)

    def window_texts(self, window):
        return [t for t in (desktop.text_of(n) for n in desktop.walk(window)) if t]

    def gone(self, window, timeout=desktop.DEFAULT_TIMEOUT):
        desktop.wait_for(lambda: not desktop.is_showing(window) or window not in self.top_levels(),
                         f"{desktop.name_of(window)!r} to close", timeout)

    # Controls ------------------------------------------------------------

    def control(self, window, name=None, role=None, contains=None, nth=0,
                timeout=desktop.DEFAULT_TIMEOUT):
        """The nth showing control of that role and name, counted as read on
        the screen: top to bottom, then left to right."""
        def look():
            found = desktop.find_all(window, role=role, name=name, contains=contains)
            if len(found) <= nth:
                return None
            found.sort(key=lambda node: desktop.extents(node)[1::-1])
            return found[nth]
        what = f"{role or 'a control'} named {name or contains!r} in {desktop.name_of(window)!r}"
        return desktop.wait_for(look, what, timeout)

    def button(self, window, caption, nth=0, timeout=desktop.DEFAULT_TIMEOUT):
        return self.control(window, name=caption, role="push button", nth=nth, timeout=timeout)

    def press(self, window, caption, nth=0, timeout=desktop.DEFAULT_TIMEOUT):
        """Clicks a push button by its caption, once it is enabled."""
        node = self.button(window, caption, nth, timeout)
        desktop.wait_for(lambda: desktop.is_enabled(node), f"{caption!r} enabled", timeout)
        desktop.click(node)
        time.sleep(0.15)

    def field(self, window, label, nth=0, timeout=desktop.DEFAULT_TIMEOUT):
        """An entry field by its caption, as a screen reader finds it: the
        field named by its buddy label, or (a drop-down, which is named by
        the text it holds) the field its label is a label for."""
        def look():
            named = [n for n in desktop.find_all(window, name=label) if desktop.role_of(n) in FIELD_ROLES]
            labelled = [t for n in desktop.find_all(window, role="label", name=label)
                        for t in desktop.labelled_by(n) if desktop.role_of(t) in FIELD_ROLES]
            found = []
            for node in named + labelled:
                if node not in found:
                    found.append(node)
            if len(found) <= nth:
                return None
            found.sort(key=lambda node: desktop.extents(node)[1::-1])
            return found[nth]
        return desktop.wait_for(look, f"a field labelled {label!r} in {desktop.name_of(window)!r}", timeout)

    def field_focus(self, window, label):
        """Clicks into a field and waits until it has the focus."""
        node = self.field(window, label)
        desktop.click(node)
        desktop.wait_for(lambda: desktop.is_focused(node) or self._focus_inside(node),
                         f"{label!r} to have the focus")
        return node

    def _focus_inside(self, node):
        return any(desktop.is_focused(n) for n in desktop.walk(node))

    def fill(self, window, label, text):
        """Clicks into a field, selects what it holds and types text over it."""
        node = self.field_focus(window, label)
        desktop.keys("ctrl+a")
        desktop.type_text(text)
        return node
