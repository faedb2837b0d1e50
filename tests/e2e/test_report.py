"""One report as an accountant meets it: the inventory's window total
compared with the total on its printed page."""
import os
import re

from harness import desktop, flows, pdf
from harness.steps import expect_equal


def amount(text):
    """'2,512.50' or '2512.50' as a number."""
    return float(text.replace(",", ""))


def open_report(program, item, caption="Rapoarte"):
    program.press(program.main_window(), "Rapoarte")
    menu_item = desktop.wait_for(
        lambda: next(iter(desktop.find_all(program.app, role="menu item", name=item)), None),
        f"the reports menu item {item!r}")
    desktop.click(menu_item)
    return program.window(name=caption, timeout=15)


def test_inventory_total_printed_as_shown(program, steps, home):
    program.start()
    flows.unlock(program)
    with steps("receive goods worth more than a thousand"):
        flows.receive_goods(program, "FURNIZOR", [
            ("CAIET A4", "BUC", "1000", "2,5", "MAGAZIE"),
            ("CRETA", "CUT", "5", "2,5", "MAGAZIE"),
        ])

    with steps("open Inventar: the window total"):
        window = open_report(program, "Inventar")
        program.control(window, name="TOTAL VALOARE")
        shown = desktop.wait_for(lambda: next((t for t in program.window_texts(window)
                                               if re.fullmatch(r"[\d,]+\.\d\d", t)), None),
                                 "the total value in the window")
        expect_equal(amount(shown), 2512.5, "the window's total value")

    with steps("print it to PDF: the same total"):
        program.press(window, "LISTEAZA")
        path = os.path.join(home, "inventar.pdf")
        flows.preview_to_pdf(program, path)
        printed = pdf.text(path)
        match = re.search(r"TOTAL\s+([\d.,]+)", printed)
        expect_equal(bool(match), True, "a TOTAL line on the printed inventory")
        expect_equal(amount(match.group(1)), amount(shown), "the printed total")

    with steps("Esc closes the report"):
        desktop.keys("Escape")
        program.gone(window)
