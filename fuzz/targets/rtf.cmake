# Letters' RTF text: a letter stored in LETTER.DBF or an RTF file loaded or
# inserted in the letter designer may come from any word processor.
quorvel_fuzz_target(rtf SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/rtf_fuzz.cpp LIBS letters)
