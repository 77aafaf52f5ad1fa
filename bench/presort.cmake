# The bulk-mail presort and the ZIP counts on a nationwide mailing list
# against SQLite grouping the same rows. `bench_presort --records 3000` is a
# smoke run; see README.md for the full-size figures.
add_executable(bench_presort ${CMAKE_CURRENT_LIST_DIR}/presort_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/presort_bench_ours.cpp ${CMAKE_CURRENT_LIST_DIR}/presort_bench_sqlite.cpp)
target_link_libraries(bench_presort PRIVATE labels bench_address)
quorvel_warnings(bench_presort)

# A tiny run in the test suite: both sides must give the same lists and
# counts. Timings are never checked.
if(QUORVEL_BUILD_TESTS)
  add_test(NAME bench_presort_smoke COMMAND bench_presort --records 3000)
endif()
