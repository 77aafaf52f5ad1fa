# Envelope runs against plain QPainter: #10 envelopes with an address block
# and a POSTNET barcode to PDF and as a preview, through the envelope run the
# `envelopes` command uses. `bench_envelopes --envelopes 12` is a smoke run;
# see README.md for the figures.
add_executable(bench_envelopes ${CMAKE_CURRENT_LIST_DIR}/envelopes_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/envelopes_bench_ours.cpp ${CMAKE_CURRENT_LIST_DIR}/envelopes_bench_direct.cpp
  ${CMAKE_CURRENT_LIST_DIR}/address_piece.cpp ${CMAKE_CURRENT_LIST_DIR}/mail_sides.cpp)
target_link_libraries(bench_envelopes PRIVATE envelopes design_file bench_address)
quorvel_warnings(bench_envelopes)

# A tiny run in the test suite: both sides must make the same pages with the
# same texts. Timings are never checked.
if(QUORVEL_BUILD_TESTS)
  add_test(NAME bench_envelopes_smoke COMMAND bench_envelopes --envelopes 12)
  set_tests_properties(bench_envelopes_smoke PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
