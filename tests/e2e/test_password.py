"""The administrator password: set in the administrator window, asked at the
next start, a wrong one refused, the right one unlocking the program."""
import pytest

from harness import desktop, flows
from harness.steps import expect_equal


def set_password(program, password, by_keyboard):
    """Types the password twice in the administrator window and changes it,
    by Enter alone or by clicking into the fields and on the button."""
    main = program.main_window()
    program.press(main, "Admin")  # unlocked: opens the administrator window
    admin = program.window(name="Administrator program")
    program.fill(admin, "Parola noua", password)
    if by_keyboard:
        desktop.keys("Return")  # Enter moves to "Inca odata"
        desktop.type_text(password)
        desktop.keys("Return")  # Enter moves to "Schimba parola"
        desktop.keys("Return")  # and presses it
    else:
        program.fill(admin, "Inca odata", password)
        program.press(admin, "Schimba parola")
    flows.answer(program, "Parola a fost schimbata cu succes!", "OK")
    flows.close_with_escape(program, admin)


def test_password_set_then_asked_after_a_restart(program, steps):
    program.start()
    flows.unlock(program)
    with steps("set the password B"):
        set_password(program, "B", by_keyboard=False)
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


def test_password_changed_with_the_keyboard_alone(program, steps):
    program.start()
    flows.unlock(program)
    with steps("Enter, Enter, Enter changes the password"):
        set_password(program, "parola 2", by_keyboard=True)
