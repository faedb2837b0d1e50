"""The administrator password: set in the administrator window, asked at the
next start, a wrong one refused, the right one unlocking the program."""
import pytest

from harness import desktop, flows
from harness.steps import expect_equal


def set_password(program, password):
    main = program.main_window()
    program.press(main, "Admin")  # unlocked: opens the administrator window
    admin = program.window(name="Administrator program")
    program.fill(admin, "Parola noua", password)
    desktop.keys("Return")  # Enter moves to "Inca odata"
    desktop.type_text(password)
    desktop.keys("Return")  # Enter moves to "Schimba parola"
    desktop.keys("Return")  # and presses it
    flows.answer(program, "Parola a fost schimbata cu succes!", "OK")
    desktop.keys("Escape")
    program.gone(admin)


@pytest.mark.xfail(reason="issues 14 and 15: Enter on 'Schimba parola', a password read back trimmed", strict=True)
def test_password_set_then_asked_after_a_restart(program, steps):
    program.start()
    flows.unlock(program)
    with steps("set the password B"):
        set_password(program, "B")
    with steps("end the program"):
        flows.quit_program(program)

    with steps("start again: locked"):
        program.start()
        receipts = flows.toolbar_button(program, "Receptii")
        expect_equal(desktop.is_enabled(receipts), False, "'Receptii' enabled at start")

    with steps("a wrong password is refused"):
        flows.unlock(program, "A")
        flows.answer(program, "PAROLA INCORECTA !", "OK")
        expect_equal(desktop.is_enabled(receipts), False, "'Receptii' enabled after a wrong password")

    with steps("the right password unlocks"):
        flows.unlock(program, "B")
        flows.expect_unlocked(program)
