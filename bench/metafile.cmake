# The metafile player against plain QPainter drawing the same shapes, in one
# run. `bench_metafile --shapes 200` is a smoke run; the default draws 5,000
# shapes per picture.
add_executable(bench_metafile ${CMAKE_CURRENT_LIST_DIR}/metafile_bench.cpp
  ${PROJECT_SOURCE_DIR}/tests/picture/metafile_builder.cpp)
target_include_directories(bench_metafile PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests/picture)
target_link_libraries(bench_metafile PRIVATE picture benchmark::benchmark)
quorvel_warnings(bench_metafile)
