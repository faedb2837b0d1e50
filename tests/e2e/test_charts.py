"""The chart of a stock card opened from the movements window with Ctrl+G:
the window appears with the months of stock left, follows the card, and
prints to PDF and PNG through the preview. The monthly report's chart of
the month's entries and exits by unit, following the month chosen."""
import datetime
import os

from harness import desktop, flows, pdf
from harness.steps import expect_equal, expect_in
from test_movements import exit_goods
from test_report import open_report

MONTHS = ["Ianuarie", "Februarie", "Martie", "Aprilie", "Mai", "Iunie", "Iulie", "August", "Septembrie",
          "Octombrie", "Noiembrie", "Decembrie"]


def test_card_chart_from_the_keyboard(program, steps, home):
    program.start()
    flows.unlock(program)
    with steps("receive 10 pieces and give 4 out on a voucher"):
        flows.receive_goods(program, "FURNIZOR", [
            ("CAIET A4", "BUC", "10", "2,5", "MAGAZIE"),
            ("TUS NEGRU", "BUC", "3", "1", "MAGAZIE"),
        ])
        window = flows.open_from_toolbar(program, "Fise.Miscari", "MISCARI")
        flows.choose_card(program, window, "MAGAZIE", "CAIET A4")
        exit_goods(program, window, "Bon de consum", "Bon de Consum", "4", "consum")
        flows.answer(program, "Listati bonul de consum?", "NU")

    with steps("Ctrl+G opens the chart of the card"):
        flows.focus_window(window)
        desktop.keys("ctrl+g")
        chart = program.window(name="GRAFIC FISA", timeout=15)
        # 4 out this month, 6 left: a month and a half at that rate.
        note = program.control(chart, contains="Stoc pentru aprox.")
        expect_equal(desktop.name_of(note), "Stoc pentru aprox. 1,5 luni", "the months of stock left")
        program.control(chart, contains="Produsul : CAIET A4")
        flows.settle(1)
        steps.shot("the chart of CAIET A4")

    with steps("the chart follows the card chosen"):
        # Moved off the product box it opened over (the display has no window manager to place it).
        desktop.xdotool("search", "--name", "^GRAFIC FISA$", "windowmove", "%@", "0", "300")
        flows.settle()
        flows.focus_window(window)
        program.field_focus(window, "PRODUSUL")
        desktop.keys("Down")  # the unit's next product
        desktop.wait_for(lambda: desktop.find_all(chart, contains="Produsul : TUS NEGRU"), "the chart of TUS NEGRU")
        program.control(chart, contains="Fara iesiri in ultimele 24 de luni")

    with steps("the chart printed to PDF and PNG"):
        program.press(chart, "Listeaza")
        path = os.path.join(home, "grafic.pdf")
        flows.preview_to_pdf(program, path)
        printed = pdf.text(path)
        expect_in("GRAFIC FISA", printed, "the printed chart's title")
        expect_in("Produsul : TUS NEGRU", printed, "the printed chart's card")
        program.press(chart, "Listeaza")
        picture = os.path.join(home, "grafic.png")
        flows.preview_to_pdf(program, picture)
        with open(picture, "rb") as f:
            expect_equal(f.read(8), b"\x89PNG\r\n\x1a\n", "the saved picture's signature")

    with steps("Esc closes the chart, then the window"):
        flows.close_with_escape(program, chart)
        flows.close_with_escape(program, window)


def test_monthly_report_chart_follows_the_month(program, steps, home):
    program.start()
    flows.unlock(program)
    with steps("receive goods into two units"):
        flows.receive_goods(program, "FURNIZOR", [
            ("CAIET A4", "BUC", "10", "2,5", "MAGAZIE"),
            ("CRETA", "CUT", "5", "2", "ATELIER"),
        ])

    today = datetime.date.today()
    month = MONTHS[today.month - 1]
    with steps("Grafic shows this month's entries and exits by unit"):
        window = open_report(program, "Raport Lunar Varnela")
        program.field_focus(window, "Luna")  # the click opens the list of months
        desktop.keys("End", *["Up"] * (12 - today.month), "Return")
        desktop.wait_for(lambda: desktop.name_of(program.field(window, "Luna")) == month, f"the month {month}")
        program.press(window, "Grafic")
        chart = program.window(name="GRAFIC RAPORT LUNAR", timeout=15)
        program.control(chart, contains=f"luna {month}.{today.year}")
        flows.settle(1)
        steps.shot("the month's chart")

    with steps("another month: the chart follows"):
        desktop.xdotool("search", "--name", "^GRAFIC RAPORT LUNAR$", "windowmove", "%@", "0", "700")
        flows.settle()
        program.field_focus(window, "Luna")
        desktop.keys("Home", "Return")
        program.control(chart, contains=f"luna Ianuarie.{today.year}")

    with steps("Esc closes the chart, then the window"):
        flows.close_with_escape(program, chart)
        flows.close_with_escape(program, window)
