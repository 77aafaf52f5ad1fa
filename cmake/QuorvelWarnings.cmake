# Warnings for the project's own targets. Third-party headers are system
# includes and stay quiet.
function(quorvel_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wold-style-cast -Wcast-align -Wnull-dereference)
  if(QUORVEL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A project test: GoogleTest binary registered with CTest, one entry per test.
# PCH names the precompiled headers beside GoogleTest's: std (the default),
# qt or widgets.
function(quorvel_gtest name)
  cmake_parse_arguments(ARG "" "PCH" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_PCH)
    set(ARG_PCH std)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  quorvel_warnings(${name})
  list(LENGTH ARG_SOURCES count)
  if(count GREATER 2)
    quorvel_precompile(${name} ${ARG_PCH} GTEST)
    # With the standard headers precompiled, g++ 12 reports out-of-bounds
    # copies inside std::string concatenations that cannot happen (its known
    # false alarms); tests build long strings on purpose.
    target_compile_options(${name} PRIVATE -Wno-array-bounds -Wno-stringop-overflow)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUORVEL_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
