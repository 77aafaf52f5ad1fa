# Label runs against plain QPainter: address labels with a POSTNET barcode
# to PDF and as a preview, through the label run the `labels` command uses.
# `bench_labels --labels 45` is a smoke run; see README.md for the figures.
add_executable(bench_labels ${CMAKE_CURRENT_LIST_DIR}/labels_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/labels_bench_ours.cpp ${CMAKE_CURRENT_LIST_DIR}/labels_bench_direct.cpp
  ${CMAKE_CURRENT_LIST_DIR}/address_piece.cpp ${CMAKE_CURRENT_LIST_DIR}/mail_sides.cpp)
target_link_libraries(bench_labels PRIVATE labels design_file bench_address)
quorvel_warnings(bench_labels)

# A tiny run in the test suite: both sides must make the same pages with the
# same texts. Timings are never checked.
if(QUORVEL_BUILD_TESTS)
  add_test(NAME bench_labels_smoke COMMAND bench_labels --labels 45)
  set_tests_properties(bench_labels_smoke PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
