# Runs TOOL with ARGS ('|' between arguments) and expects exit status 2 and one line on stderr.
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND ${TOOL} ${arguments} RESULT_VARIABLE status
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(STRIP "${err}" message)
string(FIND "${message}" "\n" newline)
if(NOT status EQUAL 2 OR message STREQUAL "" OR NOT newline EQUAL -1 OR NOT out STREQUAL "")
  message(FATAL_ERROR "status ${status}, stdout '${out}', stderr '${err}'")
endif()
