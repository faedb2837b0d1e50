"""Printouts that read right: a product whose name is longer than its
column prints cut at the column's edge, and the figures beside it read as
they are, on the entries and exits listing and the monthly report, whose
grand totals read as four figures apart."""
import datetime
import os
import re
import subprocess

from harness import desktop, flows, pdf
from harness.steps import expect_equal
from test_report import open_report

LONG_PRODUCT = "HALAT PROTECTIE DIN BUMBAC PENTRU LABORATOR NR 44"  # 49 letters


def words_on_line_of(path, needle):
    """The words (text, xMin, xMax in points) on the PDF's line that holds the
    word `needle`, left to right."""
    boxes = subprocess.run(["pdftotext", "-bbox", path, "-"], check=True,
                           capture_output=True).stdout.decode("utf-8")
    found = re.findall(r'<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>',
                       boxes)
    words = [(text, float(x_min), float(y_min), float(x_max), float(y_max))
             for x_min, y_min, x_max, y_max, text in found]
    line = next((w for w in words if w[0] == needle), None)
    if line is None:
        return []
    baseline = line[4]
    return sorted([(w[0], w[1], w[3]) for w in words if abs(w[4] - baseline) < 1], key=lambda w: w[1])


def expect_name_ends_before_unit(path, ends_name, unit, what):
    """In the PDF's text layer, on the line of the word `unit`, the last word
    for which `ends_name` holds ends left of where `unit` begins."""
    words = words_on_line_of(path, unit)
    names = [w for w in words if ends_name(w[0])]
    found = next((w for w in words if w[0] == unit), None)
    expect_equal(bool(names) and found is not None, True, f"the name and the unit on one line: {words}")
    expect_equal(names[-1][2] < found[1], True, f"the name's right edge left of the unit's left edge on the {what}")


def test_long_product_name_cut_before_its_figures(program, steps, home):
    program.start()
    flows.unlock(program)
    with steps("receive one coat with a fifty-letter name"):
        flows.receive_goods(program, "FURNIZOR", [(LONG_PRODUCT, "BUC", "1", "2,5", "MAGAZIE")])

    with steps("print the entries and exits to PDF"):
        window = open_report(program, "Intrari - Iesiri")
        program.press(window, "LISTEAZA")
        path = os.path.join(home, "intrari_iesiri.pdf")
        flows.preview_to_pdf(program, path)

    with steps("the name is cut with an ellipsis and the figures read whole after it"):
        text = pdf.text(path)
        row = next((line for line in text.splitlines() if "HALAT" in line), "")
        expect_equal(bool(re.search(r"HALAT PROTECTIE[^\n]*\u2026 +BUC +1\.00 +0\.00 +3\.10 +0\.00 +MAGAZIE", row)),
                     True, f"the movement's row as printed: {row!r}")
        expect_equal("NR 44" in row, False, "the name's end, beyond its column, printed nowhere")

    with steps("in the text layer the cut name ends before the unit of measure begins"):
        expect_name_ends_before_unit(path, lambda word: word.endswith("\u2026"), "BUC", "listing")

    with steps("Esc closes the report"):
        flows.close_with_escape(program, window)


def test_monthly_report_row_and_grand_totals_read_whole(program, steps, home):
    program.start()
    flows.unlock(program)
    with steps("receive one coat with a long name this month"):
        flows.receive_goods(program, "FURNIZOR", [(LONG_PRODUCT, "BUC", "1", "2,5", "MAGAZIE")])

    with steps("print this month's report to PDF"):
        window = open_report(program, "Raport Lunar Varnela")
        desktop.click(program.field(window, "Luna"))  # opens the list of months
        flows.settle()
        month = ["Ianuarie", "Februarie", "Martie", "Aprilie", "Mai", "Iunie", "Iulie", "August",
                 "Septembrie", "Octombrie", "Noiembrie", "Decembrie"][datetime.date.today().month - 1]
        desktop.type_text(month[:3])
        desktop.keys("Return")
        program.press(window, "LISTEAZA")
        path = os.path.join(home, "raport_lunar.pdf")
        flows.preview_to_pdf(program, path)

    with steps("the coat's row: its name cut, opening quantity 0.00, then the month's figures"):
        text = pdf.text(path)
        row = next((line for line in text.splitlines() if "HALAT" in line), "")
        expect_equal(bool(re.search(r"HALAT[^\n]*\u2026 +0\.00 +1\.00 +0\.00 +1\.00 +0\.00 +3\.10 +0\.00 +3\.10$",
                                    row.rstrip())), True, f"the product's row as printed: {row!r}")

    with steps("the grand totals read as four figures"):
        totals = next((line for line in text.splitlines() if "TOTAL GENERAL" in line), "")
        expect_equal(bool(re.search(r"TOTAL GENERAL +0\.00 +3\.10 +0\.00 +3\.10$", totals.rstrip())), True,
                     f"the totals line as printed: {totals!r}")

    with steps("Esc closes the report"):
        flows.close_with_escape(program, window)
