# Compound (CDX) and single-order (IDX) compact indexes from other programs
# and damaged ones.
quorvel_fuzz_target(cdx SOURCES cdx_fuzz.cpp LIBS xbase_cdx)
