# The table engine against SQLite: append, index, count, seek and ordered
# scan of generated address records. `bench_engine --records 1000` is a
# smoke run; see README.md for the full-size figures.
add_executable(bench_engine
  engine_bench.cpp engine_bench_sqlite.cpp engine_bench_xbase.cpp address_generator.cpp)
target_include_directories(bench_engine PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bench_engine PRIVATE xbase SQLite::SQLite3)
quorvel_warnings(bench_engine)
