# Runs tolvex-keys once and compares its exit status and its output bytes.
#   -DPROGRAM=path  -DEMULATOR=a|b (may be empty)  -DARGS=a|b|c
#   -DINPUT=file (standard input)  -DEXPECT_HEX=hex of standard output
#   -DEXPECT_STATUS=n (default 0)
string(REPLACE "|" ";" emulator "${EMULATOR}")
string(REPLACE "|" ";" args "${ARGS}")
if(NOT DEFINED EXPECT_STATUS)
  set(EXPECT_STATUS 0)
endif()
set(input_option)
if(INPUT)
  set(input_option INPUT_FILE ${INPUT})
endif()
execute_process(COMMAND ${emulator} ${PROGRAM} ${args}
  ${input_option}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status)
string(HEX "${out}" out_hex)
if(NOT status EQUAL EXPECT_STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECT_STATUS}\nstderr: ${err}")
endif()
if(DEFINED EXPECT_HEX AND NOT out_hex STREQUAL EXPECT_HEX)
  message(FATAL_ERROR "output ${out_hex}\nexpected ${EXPECT_HEX}\nstderr: ${err}")
endif()
if(EXPECT_STATUS EQUAL 2 AND err STREQUAL "")
  message(FATAL_ERROR "a usage error must say what is wrong on standard error")
endif()
