# Writes a FoxPro table with a memo field through python3-dbf, for the
# interoperability test to read back. Usage: interop_write_foxpro.py PATH
import datetime
import sys

import dbf

table = dbf.Table(sys.argv[1], 'name C(20); qty N(5,0); ok L; born D; notes M',
                  dbf_type='fp', codepage='cp1252')
table.open(dbf.READ_WRITE)
table.append(('M\u00fcller', 12, True, datetime.date(2024, 2, 29), 'Erste Zeile\r\nzweite Zeile'))
table.append(('Smith', -3, False, None, ''))
table.append(('Long', 0, None, datetime.date(1999, 12, 31), 'x' * 5000))
table.close()
