# Prints every record of a table as read by python3-dbfread: one line per
# record, the fields as JSON joined by "|". Usage: interop_read_table.py PATH
import json
import sys

from dbfread import DBF

for record in DBF(sys.argv[1], encoding='cp1252', char_decode_errors='strict'):
    print('|'.join(json.dumps(value, ensure_ascii=True, default=str) for value in record.values()))
