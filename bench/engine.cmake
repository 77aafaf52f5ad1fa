# The table engine against SQLite: append, index, count, seek and ordered
# scan of generated address records. `bench_engine --records 1000` is a
# smoke run; see README.md for the full-size figures.
add_executable(bench_engine ${CMAKE_CURRENT_LIST_DIR}/engine_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/engine_bench_sqlite.cpp ${CMAKE_CURRENT_LIST_DIR}/engine_bench_xbase.cpp)
target_link_libraries(bench_engine PRIVATE bench_address)
quorvel_warnings(bench_engine)

# A tiny run in the test suite: it must finish and both sides must give the
# same answers. Timings are never checked.
if(QUORVEL_BUILD_TESTS)
  add_test(NAME bench_engine_smoke COMMAND bench_engine --records 3000 --seeks 200)
endif()
