# User-defined report designs: a design file in sysdata may come from
# anywhere; it is loaded and printed over three records into a page stream.
quorvel_fuzz_target(report SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/report_fuzz.cpp LIBS reports)
