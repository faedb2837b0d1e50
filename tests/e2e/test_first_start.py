"""First start on an empty program folder: the tables are created, the
program is locked, an empty password unlocks it, Esc and DA end it."""
import os

from harness import desktop, flows, tables
from harness.steps import expect_equal


def test_first_start_creates_the_tables_and_unlocks(program, steps):
    with steps("start on an empty folder"):
        program.start()
        for table in ("CapNote.dbf", "Note.dbf", "Gestiuni.dbf"):
            path = os.path.join(program.data, table)
            desktop.wait_for(lambda: os.path.exists(path), f"{table} created in Data")
        expect_equal(tables.rows(program.data, "Gestiuni.dbf"), [], "ledger rows on a new folder")

    with steps("the working buttons are locked"):
        for caption in ("Receptii", "Fise.Miscari", "Rapoarte", "Salvare"):
            button = flows.toolbar_button(program, caption)
            expect_equal(desktop.is_enabled(button), False, f"{caption!r} enabled before unlocking")

    with steps("unlock with the empty password"):
        flows.unlock(program)
        flows.expect_unlocked(program)
        steps.shot("main window unlocked")

    with steps("Esc, then NU, keeps the program running"):
        flows.focus_main_window(program)
        desktop.keys("Escape")
        flows.answer(program, "Vreti sa inchideti programul?", "NU")
        expect_equal(program.running(), True, "program running after NU")

    with steps("Esc, then DA, ends the program"):
        flows.quit_program(program)
