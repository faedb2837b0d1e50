"""Backup of the Data folder into an archive, restore from it (the program
ends afterwards, without asking), and a damaged archive refused with the
Data folder left as it was."""
import hashlib
import os

import pytest

from harness import desktop, flows, tables
from harness.steps import expect_equal, expect_in


def folder_digest(folder):
    digest = {}
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), "rb") as f:
            digest[name] = hashlib.sha256(f.read()).hexdigest()
    return digest


def open_backup_window(program):
    return flows.open_from_toolbar(program, "Salvare", "Salvare - Restaurare")


def back_up(program, path):
    window = open_backup_window(program)
    program.press(window, "Salveaza baza de date")
    flows.save_file_as(program, "Unde salvam arhiva ?", path)
    flows.answer(program, "Salvare incheiata cu succes !", "OK")
    flows.close_with_escape(program, window)


def restore_from(program, path):
    window = open_backup_window(program)
    program.press(window, "Restaureaza baza de date")
    flows.save_file_as(program, "Indicati salvarea precedenta Varnela", path)
    return window


def test_backup_then_restore_ends_the_program(program, steps, home):
    program.start()
    flows.unlock(program)
    archive = os.path.join(home, "salvare.vrz")
    with steps("receive one line and back up"):
        flows.receive_goods(program, "FURNIZOR", [("CAIET", "BUC", "10", "2", "MAGAZIE")])
        back_up(program, archive)
        saved = folder_digest(program.data)

    with steps("receive a second note after the backup"):
        flows.receive_goods(program, "ALT FURNIZOR", [("CRETA", "CUT", "5", "1", "MAGAZIE")])
        expect_equal(len(tables.rows(program.data, "Note.dbf")), 2, "lines before the restore")

    with steps("restore: the program says so and ends without another question"):
        restore_from(program, archive)
        flows.answer(program, "Restaurare incheiata cu succes !", "OK")
        program.wait_ended()

    with steps("the Data folder is the one backed up"):
        expect_equal(len(tables.rows(program.data, "Note.dbf")), 1, "lines after the restore")
        restored = folder_digest(program.data)
        expect_equal({k: restored.get(k) for k in saved if k.lower().endswith(".dbf")},
                     {k: v for k, v in saved.items() if k.lower().endswith(".dbf")}, "the tables restored")


def test_damaged_archive_is_refused_and_nothing_changes(program, steps, home):
    program.start()
    flows.unlock(program)
    archive = os.path.join(home, "salvare.vrz")
    damaged = os.path.join(home, "stricata.vrz")
    with steps("back up a folder with one note"):
        flows.receive_goods(program, "FURNIZOR", [("CAIET", "BUC", "10", "2", "MAGAZIE")])
        back_up(program, archive)
        data = bytearray(open(archive, "rb").read())
        for offset in range(len(data) // 2, len(data) // 2 + 16):
            data[offset] ^= 0x5A
        open(damaged, "wb").write(bytes(data))
        before = folder_digest(program.data)

    with steps("restore the damaged archive: refused"):
        window = restore_from(program, damaged)
        box = program.alert("Nu s-a restaurat nimic")
        program.press(box, "OK")
        program.gone(box)
        expect_equal(program.running(), True, "program running after a refused restore")
        expect_equal(folder_digest(program.data), before, "the Data folder after a refused restore")
        flows.close_with_escape(program, window)
