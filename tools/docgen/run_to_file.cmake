# Runs PROGRAM with ARGS and keeps its standard output in OUT; a failure fails the build.
set(ENV{ASAN_OPTIONS} detect_leaks=0)
execute_process(COMMAND ${PROGRAM} ${ARGS} OUTPUT_FILE ${OUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE ${OUT})
  message(FATAL_ERROR "${PROGRAM} ${ARGS} failed: ${result}")
endif()
