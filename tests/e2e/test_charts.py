"""The chart of a stock card opened from the movements window with Ctrl+G:
the window appears with the months of stock left, follows the card, and
prints to PDF and PNG through the preview."""
import os

from harness import desktop, flows, pdf
from harness.steps import expect_equal, expect_in
from test_movements import choose_card, exit_goods


def test_card_chart_from_the_keyboard(program, steps, home):
    program.start()
    flows.unlock(program)
    with steps("receive 10 pieces and give 4 out on a voucher"):
        flows.receive_goods(program, "FURNIZOR", [
            ("CAIET A4", "BUC", "10", "2,5", "MAGAZIE"),
            ("TUS NEGRU", "BUC", "3", "1", "MAGAZIE"),
        ])
        window = flows.open_from_toolbar(program, "Fise.Miscari", "MISCARI")
        choose_card(program, window, "MAGAZIE", "CAIET A4")
        exit_goods(program, window, "Bon de consum", "Bon de Consum", "4", "consum")

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
