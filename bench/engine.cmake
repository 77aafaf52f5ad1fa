# The table engine against SQLite: append, index, count, seek and ordered
# scan of generated address records. `bench_engine --records 1000` is a
# smoke run; see README.md for the full-size figures.
add_executable(bench_engine
  engine_bench.cpp engine_bench_sqlite.cpp engine_bench_xbase.cpp address_generator.cpp)
target_include_directories(bench_engine PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bench_engine PRIVATE xbase SQLite::SQLite3)
quorvel_warnings(bench_engine)

# A tiny run in the test suite: it must finish and both sides must give the
# same answers. Timings are never checked.
if(QUORVEL_BUILD_TESTS)
  add_test(NAME bench_engine_smoke COMMAND bench_engine --records 3000 --seeks 200)
endif()
