"""Data safety as a careless start meets it: two starts at the same moment
on one program folder leave one program running; an empty ledger file is
reported by name at start and left as it is, while the other tables work."""
import os
import subprocess
import time

from harness import desktop, flows
from harness.program import Program
from harness.steps import expect_equal, expect_in


def test_two_starts_at_once_leave_one_program(program, steps, home):
    with steps("two starts 0.05 s apart on the same folder"):
        second_home = os.path.join(home, "second")
        second = Program(second_home)
        second.folder, second.data = program.folder, program.data  # the same program folder, its own TMPDIR
        first = subprocess.Popen([program.binary], env=program.environment(),
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(0.05)
        other = subprocess.Popen([program.binary], env=second.environment(),
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            ended = desktop.wait_for(lambda: [p for p in (first, other) if p.poll() is not None],
                                     "one of the two to end", timeout=20)
            time.sleep(2)
            expect_equal(len([p for p in (first, other) if p.poll() is None]), 1, "programs still running")
            expect_equal(ended[0].returncode, 0, "the refused start's exit code")
        finally:
            for p in (first, other):
                if p.poll() is None:
                    p.terminate()
                    p.wait(timeout=10)


def test_an_empty_ledger_file_is_reported_and_left_alone(program, steps):
    with steps("a Data folder whose Gestiuni.dbf is empty"):
        os.makedirs(program.data, exist_ok=True)
        open(os.path.join(program.data, "Gestiuni.dbf"), "wb").close()
    with steps("the start names the table and what is wrong"):
        program.start(wait_for_main=False)
        box = program.alert("Gestiuni.dbf", timeout=20)
        expect_in("0 bytes", " ".join(program.window_texts(box)), "the error box")
        program.press(box, "OK")
    with steps("the file is left empty, the other tables are there, the program goes on"):
        for _ in range(3):  # the start-up steps that meet the table each say so
            try:
                program.main_window(timeout=3)
                break
            except AssertionError:
                program.press(program.alert("Gestiuni.dbf"), "OK")
        program.main_window()
        expect_equal(os.path.getsize(os.path.join(program.data, "Gestiuni.dbf")), 0, "Gestiuni.dbf size")
        for table in ("CapNote.dbf", "Note.dbf"):
            expect_equal(os.path.exists(os.path.join(program.data, table)), True, f"{table} created")
        flows.unlock(program)
        flows.expect_unlocked(program)
