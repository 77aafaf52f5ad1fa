# Letter runs against QTextDocument::print: a two-page letter merged with
# every record and printed to PDF through the run the `letter` command uses.
# `bench_letters --letters 5` is a smoke run; see README.md for the figures.
add_executable(bench_letters ${CMAKE_CURRENT_LIST_DIR}/letters_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/address_piece.cpp ${CMAKE_CURRENT_LIST_DIR}/mail_sides.cpp)
target_link_libraries(bench_letters PRIVATE letters design_file bench_address)
quorvel_warnings(bench_letters)

# A tiny run in the test suite: both sides must make the same number of
# pages. Timings are never checked.
if(QUORVEL_BUILD_TESTS)
  add_test(NAME bench_letters_smoke COMMAND bench_letters --letters 5)
  set_tests_properties(bench_letters_smoke PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
