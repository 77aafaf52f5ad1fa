# The page output engine against plain QPainter: recording, printing to PDF
# and preview rendering of dense pages. `bench_output --pages 20` is a smoke
# run; the default is 1,000 pages per iteration.
add_executable(bench_output ${CMAKE_CURRENT_LIST_DIR}/output_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/output_bench_pages.cpp)
target_include_directories(bench_output PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bench_output PRIVATE output benchmark::benchmark)
quorvel_warnings(bench_output)
