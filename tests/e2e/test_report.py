"""One report as an accountant meets it: the inventory's window total
compared with the total on its printed page."""
import os
import re

import pytest

from harness import desktop, flows, pdf
from harness.steps import expect_equal


def amount(text):
    """'2,512.50' or '2512.50' as a number."""
    return float(text.replace(",", ""))


REPORTS_MENU = ["Inventar", "Intrari - Iesiri", "-------------------------------------",
                "Centralizator Note de Receptie", "Obiecte de Inventar", "Raport Lunar Varnela",
                "Raport Valoric Cumulativ", "Lista de inventariere"]


def open_report(program, item, caption="Rapoarte"):
    """"Rapoarte", then the menu item chosen with the arrow keys and Enter."""
    program.press(program.main_window(), "Rapoarte")
    flows.settle()
    desktop.keys(*["Down"] * (REPORTS_MENU.index(item) + 1), "Return")
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
        expect_equal(amount(shown), 3115.5, "the window's total value (VAT 24 % included)")

    with steps("print it to PDF: the same total"):
        program.press(window, "LISTEAZA")
        path = os.path.join(home, "inventar.pdf")
        flows.preview_to_pdf(program, path)
        printed = pdf.text(path)
        match = re.search(r"TOTAL\s+([\d.,]+)", printed)
        expect_equal(bool(match), True, "a TOTAL line on the printed inventory")
        expect_equal(amount(match.group(1)), amount(shown), "the printed total")

    with steps("Esc closes the report"):
        flows.close_with_escape(program, window)


def test_inventory_exported_to_a_spreadsheet_and_straight_to_pdf(program, steps, home):
    import openpyxl

    program.start()
    flows.unlock(program)
    with steps("receive two products"):
        flows.receive_goods(program, "FURNIZOR", [("CAIET A4", "BUC", "1000", "2", "MAGAZIE"),
                                                  ("CRETA", "CUT", "5", "3", "MAGAZIE")])
    with steps("Exporta from the inventory window to .xlsx"):
        window = open_report(program, "Inventar")
        program.press(window, "Exporta")
        path = os.path.join(home, "Inventar.xlsx")
        flows.save_file_as(program, "Exporta tabelul", path)
        desktop.wait_for(lambda: os.path.exists(path), f"{path} written")
    with steps("the spreadsheet holds the grid's rows as numbers and the total"):
        sheet = openpyxl.load_workbook(path).active
        rows = [[c.value for c in row] for row in sheet.iter_rows()]
        expect_equal(rows[0], ["DENUMIRE PRODUS", "UM", "STOC CANT.", "STOC VAL."], "the title row")
        expect_equal(rows[1], ["CAIET A4", "BUC", 1000, 2480], "the first product")
        expect_equal(rows[2], ["CRETA", "CUT", 5, 18.6], "the second product")
        expect_equal(rows[3], ["TOTAL VALOARE", None, None, 2498.6], "the total as the window shows it")
        expect_equal(sheet.freeze_panes, "A2", "the frozen title row")
    with steps("PDF writes the pages the preview shows"):
        straight = os.path.join(home, "direct.pdf")
        program.press(window, "PDF")
        flows.save_file_as(program, "Salveaza ca PDF", straight)
        desktop.wait_for(lambda: os.path.exists(straight), f"{straight} written")
        program.press(window, "LISTEAZA")
        previewed = os.path.join(home, "previzualizat.pdf")
        flows.preview_to_pdf(program, previewed)
        expect_equal(pdf.text(straight), pdf.text(previewed), "the straight PDF's text against the preview's")
    with steps("Esc closes the report"):
        flows.close_with_escape(program, window)
