# Design files: labels, envelopes, reports and the object clipboard.
quorvel_fuzz_target(design SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/design_fuzz.cpp LIBS design_file)
