"""The program's tables as another program reads them: python3-dbfread,
in the tables' own code page (Windows-1250)."""
import os

from dbfread import DBF


def rows(data_folder, table):
    """Every live record of a table in the Data folder, as dicts."""
    path = os.path.join(data_folder, table)
    return [dict(r) for r in DBF(path, encoding="cp1250", char_decode_errors="strict")]
