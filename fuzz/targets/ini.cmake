# The settings file reader: any bytes, including a damaged or binary file.
quorvel_fuzz_target(ini SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ini_fuzz.cpp LIBS store)
