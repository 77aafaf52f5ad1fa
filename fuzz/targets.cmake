# quorvel_fuzz_target(NAME SOURCES file.cpp LIBS library)
