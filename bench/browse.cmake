# "Address Browse" on a large address file against the same screens read
# from SQLite: open with the first screen, the last screen, a screen in the
# middle. `bench_browse --records 3000` is a smoke run; see README.md.
add_executable(bench_browse ${CMAKE_CURRENT_LIST_DIR}/browse_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/browse_bench_sides.cpp)
target_link_libraries(bench_browse PRIVATE store bench_address)
quorvel_warnings(bench_browse)

# A tiny run in the test suite: both sides must count and show the same
# rows. Timings are never checked.
if(QUORVEL_BUILD_TESTS)
  add_test(NAME bench_browse_smoke COMMAND bench_browse --records 3000)
endif()
