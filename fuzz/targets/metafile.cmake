# Windows metafiles (WMF and EMF) played by our own player. The seed corpus
# is written by the metafile tests' builder: run picture_tests with
# QUORVEL_WRITE_METAFILE_CORPUS=1 to refresh it.
quorvel_fuzz_target(metafile SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/metafile_fuzz.cpp LIBS picture)
