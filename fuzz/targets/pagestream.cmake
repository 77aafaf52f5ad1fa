# Recorded page streams read back for preview or printing; a stream may have
# been kept in a file, so every byte of it is untrusted.
quorvel_fuzz_target(pagestream SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/pagestream_fuzz.cpp LIBS output)
