# The supplied label stock and state/ZIP tables as comma-separated text: a
# user may replace them, so any bytes, quoted or not.
quorvel_fuzz_target(supplied_tables_csv SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/supplied_tables_csv_fuzz.cpp LIBS store)
