# Key and filter expressions typed by users and read from index headers.
quorvel_fuzz_target(expr SOURCES expr_fuzz.cpp LIBS xbase_expr)
