# FPT and DBT memo files from other programs and damaged ones.
quorvel_fuzz_target(memo SOURCES memo_fuzz.cpp LIBS xbase_dbf)
