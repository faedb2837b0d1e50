"""The printed documents: a consumption voucher printed right after it is
posted and a transfer note from the card, the count list and the data
check, each read back from its PDF."""
import os

from harness import desktop, flows, pdf
from harness.steps import expect_in


def test_voucher_after_posting_and_transfer_note_from_the_card(program, steps, home):
    program.start()
    flows.unlock(program)
    with steps("receive 10 exercise books into MAGAZIE, chalk into SALA MARE"):
        flows.receive_goods(program, "FURNIZOR", [("CAIET A4", "BUC", "10", "2,5", "MAGAZIE"),
                                                  ("CRETA", "CUT", "1", "1", "SALA MARE")])

    with steps("open the card of CAIET A4"):
        window = flows.open_from_toolbar(program, "Fise.Miscari", "MISCARI")
        flows.choose_card(program, window, "MAGAZIE", "CAIET A4")

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

    with steps("a transfer of 3 to SALA MARE, NU to the printing, then \"Listeaza Bon\" on its row"):
        program.press(window, "Nota de transfer")
        dialog = program.dialog("Bon de Transfer")
        program.fill(dialog, "Cantitate iesita", "3")
        program.press(dialog, "MEMOREAZA")
        program.gone(dialog)
        flows.answer(program, "Listati nota de transfer?", "NU")
        program.press(window, "Listeaza Bon")  # the card stands on its last row, the transfer
        path = os.path.join(home, "transfer.pdf")
        flows.preview_to_pdf(program, path)
        printed = pdf.text(path)
        for text in ("BON DE PREDARE, TRANSFER, RESTITUIRE", "Gestiunea predatoare: MAGAZIE",
                     "Gestiunea primitoare: SALA MARE", "CAIET A4", "9.30", "Predator"):
            expect_in(text, printed, "the printed transfer note")

    with steps("Esc closes the window"):
        flows.close_with_escape(program, window)


def test_count_list_and_data_check(program, steps, home):
    program.start()
    flows.unlock(program)
    with steps("receive two products into MAGAZIE"):
        flows.receive_goods(program, "FURNIZOR", [("CAIET A4", "BUC", "10", "2,5", "MAGAZIE"),
                                                  ("CRETA", "CUT", "5", "2", "MAGAZIE")])

    with steps("Rapoarte, Lista de inventariere: the list of every unit printed to PDF"):
        program.press(program.main_window(), "Rapoarte")
        flows.settle()
        desktop.keys(*["Down"] * 8, "Return")  # the eighth item, after the separator
        window = program.window(name="Rapoarte", timeout=15)
        program.control(window, name="INCLUDE PRODUSELE FARA STOC")
        program.press(window, "LISTEAZA")
        path = os.path.join(home, "inventariere.pdf")
        flows.preview_to_pdf(program, path)
        printed = pdf.text(path)
        for text in ("LISTA DE INVENTARIERE", "Gestiunea: MAGAZIE", "CONSUMABIL", "CAIET A4", "CRETA", "Stoc faptic",
                     "Diferente", "31.00", "12.40", "Total pagina", "43.40", "Comisia de inventariere", "Contabil"):
            expect_in(text, printed, "the printed count list")
        flows.close_with_escape(program, window)

    with steps("Admin, Verificare date: nothing wrong with data the program wrote"):
        flows.focus_main_window(program)
        program.press(program.main_window(), "Admin")
        admin = program.window(name="Administrator program", timeout=15)
        program.press(admin, "Verificare date")
        path = os.path.join(home, "verificare.pdf")
        flows.preview_to_pdf(program, path)
        expect_in("Nicio problema gasita.", pdf.text(path), "the data check's listing")
        flows.close_with_escape(program, admin)
