"""A consumption voucher and a transfer on the card just received, checked
in the ledger as another program reads it, and the card printed."""
import os

import pytest

from harness import desktop, flows, pdf, tables
from harness.steps import expect_equal, expect_in


def exit_goods(program, window, button, caption, quantity, explanation, target=None):
    program.press(window, button)
    dialog = program.dialog(caption)
    program.fill(dialog, "Explicatie", explanation)
    program.fill(dialog, "Cantitate iesita", quantity)
    if target:
        expect_equal(desktop.text_of(program.field(dialog, "Beneficiar")), target, "the receiving unit offered")
    program.press(dialog, "MEMOREAZA")
    program.gone(dialog)


def test_consumption_and_transfer_on_a_received_card(program, steps, home):
    program.start()
    flows.unlock(program)
    with steps("receive 10 of a product into two units"):
        flows.receive_goods(program, "FURNIZOR", [
            ("CAIET A4", "BUC", "10", "2,5", "MAGAZIE"),
            ("CAIET A5", "BUC", "1", "1", "SALA MARE"),
        ])

    with steps("open the card of CAIET A4 in MAGAZIE"):
        window = flows.open_from_toolbar(program, "Fise.Miscari", "MISCARI")
        flows.choose_card(program, window, "MAGAZIE", "CAIET A4")

    with steps("a consumption voucher of 2,5 pieces"):
        exit_goods(program, window, "Bon de consum", "Bon de Consum", "2,5", "pentru școală")
        flows.answer(program, "Listati bonul de consum?", "NU")
        ledger = tables.rows(program.data, "Gestiuni.dbf")
        exits = [r for r in ledger if float(r["CANTOUT"]) > 0]
        expect_equal(len(exits), 1, "exit rows after the voucher")
        expect_equal(float(exits[0]["CANTOUT"]), 2.5, "Gestiuni.CANTOUT of the voucher")
        expect_equal(float(exits[0]["VALOUT"]), 7.75, "Gestiuni.VALOUT of the voucher (2.5 at 3.10 with VAT)")
        expect_equal(exits[0]["EXPLIC"], "pentru şcoală", "Gestiuni.EXPLIC of the voucher")

    with steps("a transfer of 3 pieces to SALA MARE"):
        exit_goods(program, window, "Nota de transfer", "Bon de Transfer", "3", "mutare", target="SALA MARE")
        flows.answer(program, "Listati nota de transfer?", "NU")
        ledger = tables.rows(program.data, "Gestiuni.dbf")
        arrived = [r for r in ledger if r["GESTIUNE"] == "SALA MARE" and r["PRODUS"] == "CAIET A4"]
        expect_equal([float(r["CANTIN"]) for r in arrived], [3.0], "quantity arrived in SALA MARE")
        left = sum(float(r["CANTIN"]) - float(r["CANTOUT"]) for r in ledger
                   if r["GESTIUNE"] == "MAGAZIE" and r["PRODUS"] == "CAIET A4")
        expect_equal(left, 4.5, "stock left in MAGAZIE")

    with steps("print the card to PDF"):
        program.press(window, "Listeaza Fisa")
        path = os.path.join(home, "fisa.pdf")
        flows.preview_to_pdf(program, path)
        printed = pdf.text(path)
        expect_in("CAIET A4", printed, "the printed card")
        expect_in("4.50", printed, "the printed card's final stock")

    with steps("Esc closes the window"):
        flows.close_with_escape(program, window)
