# The address filter against SQLite: a two-box filter (last name starts with
# JO, state NY) built and applied by the filter code and counted, before and
# after the tags it can use exist. `bench_filter --records 1000` is a smoke
# run.
add_executable(bench_filter ${CMAKE_CURRENT_LIST_DIR}/filter_bench.cpp)
target_link_libraries(bench_filter PRIVATE store bench_address)
quorvel_warnings(bench_filter)
