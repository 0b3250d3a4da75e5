# Runs TOOL with ARGS ('|' between arguments) and expects exit status STATUS (2 unless given)
# and one line on stderr, matching MESSAGE when given. OUTPUT, when given, receives stdout.
string(REPLACE "|" ";" arguments "${ARGS}")
if(NOT DEFINED STATUS)
  set(STATUS 2)
endif()
if(OUTPUT)
  execute_process(COMMAND ${TOOL} ${arguments} RESULT_VARIABLE status
                  OUTPUT_FILE ${OUTPUT} ERROR_VARIABLE err)
  set(out "")
else()
  execute_process(COMMAND ${TOOL} ${arguments} RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
endif()
string(STRIP "${err}" message)
string(FIND "${message}" "\n" newline)
if(NOT status EQUAL STATUS OR message STREQUAL "" OR NOT newline EQUAL -1 OR NOT out STREQUAL ""
   OR (MESSAGE AND NOT message MATCHES "${MESSAGE}"))
  message(FATAL_ERROR "status ${status}, stdout '${out}', stderr '${err}'")
endif()
