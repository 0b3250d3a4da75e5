# Runs TOOL chart --holds-out FILE and checks the file: 2,598,960 bytes, the first deal
# (As 2s 3s 4s 5s) keeping all five cards, the last (9h Th Jh Qh Kh) all but the nine.
file(REMOVE ${FILE})
execute_process(COMMAND ${TOOL} chart --holds-out ${FILE} RESULT_VARIABLE status
                OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "status ${status}: ${err}")
endif()
file(SIZE ${FILE} size)
file(READ ${FILE} first LIMIT 1 HEX)
file(READ ${FILE} last OFFSET 2598959 HEX)
if(NOT size EQUAL 2598960 OR NOT first STREQUAL "1f" OR NOT last STREQUAL "1e")
  message(FATAL_ERROR "size ${size}, first byte ${first}, last byte ${last}")
endif()
