# The presort list (PRESORT.PSL) a presorted label run follows: written by
# the presort, but a plain text file a user may edit or replace.
quorvel_fuzz_target(presort SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/presort_fuzz.cpp LIBS labels)
