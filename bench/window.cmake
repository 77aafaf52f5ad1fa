# The main window with a large address file against the same steps on
# SQLite: open, sort by City, last, first and next record, timed through the
# real window on the offscreen platform. `bench_window --records 3000
# --steps 50` is a smoke run; see README.md for the full-size figures.
add_executable(bench_window ${CMAKE_CURRENT_LIST_DIR}/window_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_bench_ours.cpp ${CMAKE_CURRENT_LIST_DIR}/window_bench_sqlite.cpp)
target_link_libraries(bench_window PRIVATE app bench_address)
quorvel_warnings(bench_window)

# A tiny run in the test suite: the window must open the file and both sides
# must show the same records. Timings are never checked.
if(QUORVEL_BUILD_TESTS)
  add_test(NAME bench_window_smoke COMMAND bench_window --records 3000 --steps 50)
  set_tests_properties(bench_window_smoke PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
