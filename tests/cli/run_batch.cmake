# Runs the calculator on a file and compares its output with the expected lines.
execute_process(
  COMMAND ${CALC} --batch --decimal-point
  INPUT_FILE ${INPUT}
  OUTPUT_VARIABLE actual
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "orvella-calc exited with ${status}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "unexpected output:\n${actual}\nexpected:\n${expected}")
endif()
