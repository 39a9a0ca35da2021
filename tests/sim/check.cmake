# Runs the simulator once and checks its exit status and what it printed.
#   SIM, SCENARIO (a file, fed on standard input when STDIN is set), OPTIONS (list),
#   EXPECT_CODE, and optionally EXPECT_ERR (a regular expression),
#   EXPECT_FILE with EXPECT_FILE_HEX (the file's bytes in hex).
if(STDIN)
  execute_process(COMMAND ${SIM} ${OPTIONS} INPUT_FILE ${SCENARIO}
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
else()
  execute_process(COMMAND ${SIM} ${OPTIONS} ${SCENARIO}
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
endif()
set(report "exit status ${code}\n--- stdout\n${out}\n--- stderr\n${err}")
if(NOT code STREQUAL EXPECT_CODE)
  message(FATAL_ERROR "expected exit status ${EXPECT_CODE}, ${report}")
endif()
if(DEFINED EXPECT_ERR AND NOT err MATCHES "${EXPECT_ERR}")
  message(FATAL_ERROR "stderr does not match '${EXPECT_ERR}', ${report}")
endif()
if(DEFINED EXPECT_FILE)
  file(READ ${EXPECT_FILE} bytes HEX)
  if(NOT bytes STREQUAL EXPECT_FILE_HEX)
    message(FATAL_ERROR "${EXPECT_FILE} holds ${bytes}, expected ${EXPECT_FILE_HEX}")
  endif()
endif()
