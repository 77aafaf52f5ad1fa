# Picture files of the image dialog and pictures stored in design files.
quorvel_fuzz_target(image SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/image_fuzz.cpp LIBS picture)
