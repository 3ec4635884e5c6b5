# Lists the test suites of a GoogleTest executable for CTest: runs it with --gtest_list_tests and
# writes OUTPUT, a CMake file that sets kx_suites to the suite names in the order the executable
# runs them (a suite line is its name and a dot, a type or value parameter perhaps after it).
# Run after every build of the executable (kx_add_test in tests/CMakeLists.txt), so a test added
# to a source file is registered without anything else to do.
#   cmake -D EXECUTABLE=path -D OUTPUT=file -P KxTestSuites.cmake
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND "${EXECUTABLE}" --gtest_list_tests
  OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE result TIMEOUT 120)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${EXECUTABLE} --gtest_list_tests failed (${result}):\n${listing}\n${errors}")
endif()
string(REPLACE ";" "\\;" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(suites "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([^ #]+)\\.( +#.*)?$")
    list(APPEND suites "${CMAKE_MATCH_1}")
  endif()
endforeach()
if(NOT suites)
  message(FATAL_ERROR "${EXECUTABLE} lists no test suite:\n${listing}")
endif()
list(REMOVE_DUPLICATES suites)
string(REPLACE ";" " " spaced "${suites}")
file(WRITE "${OUTPUT}.new" "set(kx_suites ${spaced})\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
