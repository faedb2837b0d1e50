"""What a storekeeper does again and again, written once: unlocking the
program, opening a window from the toolbar, answering the message dialog."""
import os
import time

from . import desktop


def toolbar_button(program, caption):
    return program.control(program.main_window(), name=caption, role="push button")


def unlock(program, password=""):
    """Admin, the password typed into "PAROLA :", then OK; the working
    buttons are enabled afterwards."""
    main = program.main_window()
    program.press(main, "Admin")
    prompt = program.dialog("IDENTIFICARE ADMIN")
    field = program.field(prompt, "PAROLA :")
    desktop.wait_for(lambda: desktop.is_focused(field), "the password field to have the focus")
    if password:
        desktop.type_text(password)
    program.press(prompt, "OK")
    program.gone(prompt)


def expect_unlocked(program):
    receipts = toolbar_button(program, "Receptii")
    desktop.wait_for(lambda: desktop.is_enabled(receipts), "'Receptii' enabled after unlocking")


def answer(program, containing, button):
    """Finds the message dialog that says `containing` and presses `button`."""
    box = program.alert(containing)
    program.press(box, button)
    program.gone(box)


def quit_program(program):
    """Esc on the main window, DA on the confirmation; the program ends."""
    focus_main_window(program)
    desktop.keys("Escape")
    answer(program, "Vreti sa inchideti programul?", "DA")
    program.wait_ended()


def focus_window(window):
    """Clicks the window's status bar (its bottom right), where no control
    reacts, so that keys go to that window: after a dialog closes, the
    keyboard may still be elsewhere for a moment."""
    x, y, width, height = desktop.extents(window)
    desktop.xdotool("mousemove", "--sync", str(x + width - 40), str(y + height - 6), "click", "1")


def focus_main_window(program):
    focus_window(program.main_window())


def close_with_escape(program, window):
    """Esc on a window, as the status bar says; the window goes (a window
    that has already closed itself is left as it is)."""
    if not desktop.is_showing(window) or desktop.extents(window)[2] == 0:
        return
    focus_window(window)
    desktop.keys("Escape")
    program.gone(window)


def open_from_toolbar(program, caption, window_caption):
    program.press(program.main_window(), caption)
    return program.window(name=window_caption, timeout=15)


def settle(seconds=0.3):
    time.sleep(seconds)


def save_file_as(program, dialog_caption, path):
    """Answers the save dialog: the whole path typed into its name field
    (which has the focus when it opens), then Enter."""
    dialog = program.dialog(dialog_caption, timeout=15)
    desktop.wait_for(lambda: any(desktop.is_focused(n) for n in desktop.find_all(dialog, role="text")),
                     "the file name field to have the focus")
    desktop.keys("ctrl+a")
    desktop.type_text(path)
    desktop.keys("Return")
    program.gone(dialog)


def preview_to_pdf(program, path):
    """In the open preview: "Salveaza raportul" as PDF into path, then the
    preview is closed with its close button."""
    preview = program.window(contains="Vizualizare :", timeout=20)
    program.press(preview, "Salveaza raportul")
    save_file_as(program, "Salveaza raportul", path)
    desktop.wait_for(lambda: os.path.exists(path) and os.path.getsize(path) > 0, f"{path} written")
    program.press(preview, "Inchide")
    program.gone(preview)
    return preview


def receive_goods(program, supplier, lines):
    """Types one receipt note through "Receptii": a header with the given
    supplier and one line for each (product, unit of measure, quantity,
    price, stock-keeping unit); the window is closed again."""
    window = open_from_toolbar(program, "Receptii", "Note de Receptie")
    program.press(window, "ADAUGA")
    header = program.dialog("ADAUGARE Nota de Receptie")
    for label, text in (("FURNIZOR", supplier), ("FACTURA Nr.", "1"), ("DELEGAT", "ION"),
                        ("B.I. Seria", "AB"), ("B.I. Nr.", "1"), ("B.I. Politia", "IASI"),
                        ("RECEPTIONER", "ANA")):
        program.fill(header, label, text)
    program.press(header, "MEMOREAZA")
    program.gone(header)
    for product, unit, quantity, price, stock_unit in lines:
        program.press(window, "ADAUGA", nth=1)
        line = program.dialog("ADAUGARE PRODUS")
        program.fill(line, "DENUMIRE PRODUS", product)
        program.fill(line, "U.M.", unit)
        program.fill(line, "- dupa factura sau aviz", quantity)
        program.fill(line, "- la receptie", quantity)
        program.fill(line, "PRET FURNIZOR", price)
        program.fill(line, "GESTIUNEA", stock_unit)
        program.press(line, "MEMOREAZA")
        program.gone(line)
    close_with_escape(program, window)


def choose_card(program, window, unit, product):
    """In the movements window: the unit chosen by typing its first letters
    into the open list, then the product typed; waits for its card."""
    desktop.click(program.field(window, "GESTIUNEA"))  # opens the list of units
    settle()
    desktop.type_text(unit[:3])
    desktop.keys("Return")
    program.fill(window, "PRODUSUL", product)
    label = program.control(window, contains="PRODUSUL : ")
    desktop.wait_for(lambda: product in desktop.name_of(label), f"the card of {product}")
