"""A receipt note typed as a Romanian storekeeper types it: comma-below and
cedilla letters, a double quote, decimal commas from the main keyboard and
from the keypad; read back from the tables by another program and from the
printed note."""
import os

import pytest

from harness import desktop, flows, pdf, tables
from harness.steps import expect_equal, expect_in


def fill_header(program, dialog, fields):
    for label, text in fields:
        program.fill(dialog, label, text)


def test_receipt_note_with_romanian_letters_and_decimal_commas(program, steps, home):
    program.start()
    flows.unlock(program)

    with steps("open Receptii"):
        window = flows.open_from_toolbar(program, "Receptii", "Note de Receptie")

    with steps("add a note header with Romanian letters and a double quote"):
        program.press(window, "ADAUGA")
        header = program.dialog("ADAUGARE Nota de Receptie")
        fill_header(program, header, [
            ("FURNIZOR", 'Știință și Ţară "Nord"'),
            ("FACTURA Nr.", "F 12"),
            ("DELEGAT", "Ion Șerban"),
            ("B.I. Seria", "IS"),
            ("B.I. Nr.", "123456"),
            ("B.I. Politia", "Iași"),
            ("RECEPTIONER", "Ana Ţurcanu"),
            ("GESTIONAR", "Maria"),
        ])
        supplier = program.field(header, "FURNIZOR")
        expect_equal(desktop.text_of(supplier), 'ŞTIINŢĂ ŞI ŢARĂ "NORD"', "the supplier as shown while typing")
        program.press(header, "MEMOREAZA")
        program.gone(header)

    with steps("the header is in CapNote as typed, in the code page's letters"):
        notes = tables.rows(program.data, "CapNote.dbf")
        expect_equal(len(notes), 1, "receipt notes written")
        expect_equal(notes[0]["FURNIZOR"], 'ŞTIINŢĂ ŞI ŢARĂ "NORD"', "CapNote.FURNIZOR")
        expect_equal(notes[0]["DELEGAT"], "ION ŞERBAN", "CapNote.DELEGAT")
        expect_equal(notes[0]["BIPOL"], "IAŞI", "CapNote.BIPOL")
        expect_equal(notes[0]["NRNOTA"], 1, "CapNote.NRNOTA")

    with steps("add a line with decimal commas from the main keyboard and the keypad"):
        program.press(window, "ADAUGA", nth=1)
        line = program.dialog("ADAUGARE PRODUS")
        program.fill(line, "DENUMIRE PRODUS", 'Hârtie "A4" școală')
        program.fill(line, "U.M.", "top")
        program.fill(line, "- dupa factura sau aviz", "2,5")
        program.field_focus(line, "- la receptie")
        desktop.keys("ctrl+a", "KP_2", "KP_Decimal", "KP_5")
        program.fill(line, "PRET FURNIZOR", "12,4")
        program.fill(line, "GESTIUNEA", "Magazie Școală")
        expect_equal(desktop.text_of(program.field(line, "- la receptie")), "2.5",
                     "the quantity typed on the keypad")
        program.press(line, "MEMOREAZA")
        program.gone(line)

    with steps("the line and its ledger entry hold 2.5, not 25"):
        lines = tables.rows(program.data, "Note.dbf")
        expect_equal(len(lines), 1, "receipt lines written")
        expect_equal(lines[0]["PRODUS"], 'HÂRTIE "A4" ŞCOALĂ', "Note.PRODUS")
        expect_equal(float(lines[0]["C2"]), 2.5, "Note.C2 (quantity by invoice)")
        expect_equal(float(lines[0]["C3"]), 2.5, "Note.C3 (quantity received)")
        expect_equal(float(lines[0]["C4"]), 12.4, "Note.C4 (price)")
        ledger = tables.rows(program.data, "Gestiuni.dbf")
        expect_equal(len(ledger), 1, "ledger rows")
        expect_equal(float(ledger[0]["CANTIN"]), 2.5, "Gestiuni.CANTIN")
        expect_equal(ledger[0]["GESTIUNE"], "MAGAZIE ŞCOALĂ", "Gestiuni.GESTIUNE")

    with steps("print the note to PDF"):
        program.press(window, "LISTEAZA")
        path = os.path.join(home, "nota.pdf")
        flows.preview_to_pdf(program, path)
        printed = pdf.text(path)
        expect_in('ŞTIINŢĂ ŞI ŢARĂ "NORD"', printed, "the printed note")
        expect_in('HÂRTIE "A4" ŞCOALĂ', printed, "the printed note")
        expect_in("2.50", printed, "the printed note")

    with steps("Esc closes the window"):
        flows.close_with_escape(program, window)
