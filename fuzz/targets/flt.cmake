# Filter files (.FLT) and the browse column order file: any bytes, including
# binary data and damaged lines.
quorvel_fuzz_target(flt SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/flt_fuzz.cpp LIBS store)
