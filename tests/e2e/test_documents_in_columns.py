"""Printed documents that read right: the widest name a receipt line takes
(32 capitals W) prints cut before its unit of measure on the consumption
voucher and whole before it on the count list, with the figures beside it
whole."""
import os
import re

from harness import desktop, flows, pdf
from harness.steps import expect_equal
from test_movements import exit_goods
from test_printouts import expect_name_ends_before_unit

WIDEST_PRODUCT = "W" * 32


def expect_row_before_unit(path, row_pattern, what):
    """The printed row of the product matches `row_pattern`, and in the text
    layer the name ends left of the unit of measure "BUC"."""
    row = next((line for line in pdf.text(path).splitlines() if "WWW" in line), "")
    expect_equal(bool(re.search(row_pattern, row)), True, f"the {what}'s row as printed: {row!r}")
    expect_name_ends_before_unit(path, lambda word: word.startswith("WWW"), "BUC", what)


def test_widest_product_name_on_the_voucher_and_the_count_list(program, steps, home):
    program.start()
    flows.unlock(program)
    with steps("receive ten pieces of a product with the widest name into MAGAZIE"):
        flows.receive_goods(program, "FURNIZOR", [(WIDEST_PRODUCT, "BUC", "10", "2,5", "MAGAZIE")])

    with steps("a consumption voucher of 4 pieces, DA to the printing, saved as PDF"):
        window = flows.open_from_toolbar(program, "Fise.Miscari", "MISCARI")
        flows.choose_card(program, window, "MAGAZIE", WIDEST_PRODUCT)
        exit_goods(program, window, "Bon de consum", "Bon de Consum", "4", "laboratorul de chimie")
        flows.answer(program, "Listati bonul de consum?", "DA")
        path = os.path.join(home, "bon.pdf")
        flows.preview_to_pdf(program, path)

    with steps("on the voucher the name is cut before BUC and the quantities, price and value read whole"):
        expect_row_before_unit(path, r"W+\u2026 +BUC +4\.00 +4\.00 +3\.10 +12\.40", "voucher")
        flows.close_with_escape(program, window)

    with steps("Rapoarte, Lista de inventariere printed to PDF"):
        flows.focus_main_window(program)
        program.press(program.main_window(), "Rapoarte")
        flows.settle()
        desktop.keys(*["Down"] * 8, "Return")  # the eighth item, after the separator
        window = program.window(name="Rapoarte", timeout=15)
        program.press(window, "LISTEAZA")
        path = os.path.join(home, "inventariere.pdf")
        flows.preview_to_pdf(program, path)

    with steps("on the count list the whole name ends before BUC and the stock reads whole"):
        expect_row_before_unit(path, r"W{32} +BUC +6\.00 +3\.10 +18\.60", "count list")
        flows.close_with_escape(program, window)
