# Report runs against plain QPainter: built-in reports 1 and 4 to PDF and
# report 1 as a preview, through the report run the `report` command uses.
# `bench_report --records 300` is a smoke run; see README.md for the figures.
add_executable(bench_report ${CMAKE_CURRENT_LIST_DIR}/report_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_bench_ours.cpp ${CMAKE_CURRENT_LIST_DIR}/report_bench_direct.cpp
  ${CMAKE_CURRENT_LIST_DIR}/address_piece.cpp ${CMAKE_CURRENT_LIST_DIR}/mail_sides.cpp)
target_link_libraries(bench_report PRIVATE reports design_file bench_address)
quorvel_warnings(bench_report)

# A tiny run in the test suite: both sides must make the same pages with the
# same texts. Timings are never checked.
if(QUORVEL_BUILD_TESTS)
  add_test(NAME bench_report_smoke COMMAND bench_report --records 300)
  set_tests_properties(bench_report_smoke PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
