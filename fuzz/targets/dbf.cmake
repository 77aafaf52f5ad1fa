# DBF tables from other programs (imports) and damaged tables.
quorvel_fuzz_target(dbf SOURCES dbf_fuzz.cpp LIBS xbase_dbf)
