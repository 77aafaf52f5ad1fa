# Label layout rows: LABEL.DBF may be edited by hand or copied from
# elsewhere, so any record bytes reach the check of a layout row.
quorvel_fuzz_target(label_row SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/label_row_fuzz.cpp LIBS labels)
