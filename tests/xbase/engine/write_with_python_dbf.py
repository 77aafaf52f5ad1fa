"""Writes a FoxPro table with a memo file using python3-dbf, for our engine
to read: python3 write_with_python_dbf.py PATH"""
import datetime
import sys

import dbf

ROWS = [
    ("M\u00fcller", "J\u00f6rg", 12.5, datetime.date(1997, 4, 28), True, "Caf\u00e9 owner\r\nsecond line"),
    ("O\u2019Brien", "Sean", -3.25, None, False, ""),
    ("Smith", "Ann", 0, datetime.date(2024, 2, 29), None, "x" * 700),
]


def main():
    table = dbf.Table(sys.argv[1], "LNAME C(20); FNAME C(15); AMOUNT N(8,2); JOINED D; ACTIVE L; NOTES M",
                      dbf_type="fp", codepage="cp1252")
    table.open(dbf.READ_WRITE)
    for row in ROWS:
        table.append(row)
    table.close()


main()
