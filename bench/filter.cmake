# The address filter against SQLite: a two-box filter (last name starts with
# JO, state NY) built and applied by the filter code and counted, before and
# after the tags it can use exist. `bench_filter --records 1000` is a smoke
# run.
add_executable(bench_filter filter_bench.cpp address_generator.cpp)
target_include_directories(bench_filter PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bench_filter PRIVATE store SQLite::SQLite3)
quorvel_warnings(bench_filter)
