"""The printed documents of the exits: a consumption voucher printed right
after it is posted, read back from its PDF."""
import os

from harness import desktop, flows, pdf
from harness.steps import expect_in


def test_consumption_voucher_printed_after_posting(program, steps, home):
    program.start()
    flows.unlock(program)
    with steps("receive 10 exercise books into MAGAZIE"):
        flows.receive_goods(program, "FURNIZOR", [("CAIET A4", "BUC", "10", "2,5", "MAGAZIE")])

    with steps("open the card of CAIET A4"):
        window = flows.open_from_toolbar(program, "Fise.Miscari", "MISCARI")
        desktop.click(program.field(window, "GESTIUNEA"))
        flows.settle()
        desktop.type_text("MAG")
        desktop.keys("Return")
        program.fill(window, "PRODUSUL", "CAIET A4")
        label = program.control(window, contains="PRODUSUL : ")
        desktop.wait_for(lambda: "CAIET A4" in desktop.name_of(label), "the card of CAIET A4")

    with steps("a consumption voucher of 4 pieces for the classroom, DA to the printing"):
        program.press(window, "Bon de consum")
        dialog = program.dialog("Bon de Consum")
        program.fill(dialog, "Explicatie", "sala 12")
        program.fill(dialog, "Cantitate iesita", "4")
        program.press(dialog, "MEMOREAZA")
        program.gone(dialog)
        flows.answer(program, "Listati bonul de consum?", "DA")

    with steps("the voucher saved as PDF holds its heading, line, total and signatures"):
        path = os.path.join(home, "bon.pdf")
        flows.preview_to_pdf(program, path)
        printed = pdf.text(path)
        for text in ("BON DE CONSUM", "Gestiunea: MAGAZIE", "Nr. 1 din", "sala 12", "CAIET A4", "BUC",
                     "3.10", "12.40", "TOTAL", "Sef compartiment", "Gestionar", "Primitor"):
            expect_in(text, printed, "the printed voucher")

    with steps("Esc closes the window"):
        flows.close_with_escape(program, window)
