# Runs the calculator with ARGS (and INPUT on standard input, when given) and compares its
# output with the expected text and its exit status with EXPECTED_STATUS (default 0).
separate_arguments(arguments UNIX_COMMAND "${ARGS}")
if(INPUT)
  set(input INPUT_FILE ${INPUT})
endif()
if(NOT DEFINED EXPECTED_STATUS)
  set(EXPECTED_STATUS 0)
endif()
execute_process(
  COMMAND ${CALC} ${arguments} --decimal-point
  ${input}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL EXPECTED_STATUS)
  message(FATAL_ERROR "orvella-calc exited with ${status}, expected ${EXPECTED_STATUS}: ${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "unexpected output:\n${actual}\nexpected:\n${expected}")
endif()
