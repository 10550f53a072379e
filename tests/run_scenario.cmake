# Runs one scripted session and compares what it printed with the transcript.
execute_process(COMMAND ${TOOL} ${SCRIPT}
                OUTPUT_VARIABLE actual RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "transcript differs for ${SCRIPT}\n--- expected\n${expected}--- actual\n${actual}")
endif()
string(FIND "${expected}" "error " has_error)
if(has_error EQUAL -1 AND NOT status EQUAL 0)
  message(FATAL_ERROR "${TOOL} exited ${status}")
endif()
if(NOT has_error EQUAL -1 AND NOT status EQUAL 2)
  message(FATAL_ERROR "${TOOL} exited ${status}, expected 2 for a script with errors")
endif()
