"""Prints what Python's dbfread reads from a table: one line per record that
is not deleted, "REC<tab>field=hex,..." for the named fields (trailing blanks
removed, logical values as T or F, text in Windows-1252), then for a few
address tags the record order that sorting on the tag's key gives, as
"TAG<tab>name<tab>recno,...". dbfread reads no indexes, so the key is built
here from the values it read. Record numbers are only known when no record
is deleted; the count of deleted records comes first."""
import sys

from dbfread import DBF


def text(value):
    if value is True:
        return "T"
    if value is False:
        return "F"
    return ("" if value is None else str(value)).rstrip(" ")


def key_lname(r):
    return r["LNAME"].upper().ljust(30) + r["FNAME"].upper().ljust(30)


def key_city(r):
    return (r["CITY"].ljust(30) + r["STATE"].ljust(20)).upper()


def key_name(r):
    # "-" moves the left side's trailing blanks to the end.
    last = r["LNAME"].ljust(30)
    stripped = last.rstrip(" ")
    return (stripped + r["FNAME"].ljust(30) + " " * (len(last) - len(stripped))).upper()


KEYS = {"LNAME": key_lname, "CITY": key_city, "NAME": key_name}


def main():
    path, fields = sys.argv[1], sys.argv[2].split(",")
    table = DBF(path, encoding="cp1252", char_decode_errors="strict", load=True)
    print("DELETED\t%d" % len(table.deleted))
    for record in table.records:
        values = [text(record[f]) for f in fields]
        print("REC\t" + ",".join(f + "=" + v.encode("cp1252").hex() for f, v in zip(fields, values)))
    # Record numbers follow file order when no record is deleted.
    numbered = list(enumerate(table.records, start=1))
    for tag, key in KEYS.items():
        order = sorted(numbered, key=lambda item: (key(item[1]).encode("cp1252"), item[0]))
        print("TAG\t" + tag + "\t" + ",".join(str(n) for n, _ in order))


main()
