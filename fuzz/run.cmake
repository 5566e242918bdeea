# One bounded fuzzing run:  cmake -DFUZZER=prog -DSEEDS=dir -DWORK=dir -P run.cmake
# The run lasts $ENV{VLM_FUZZ_SECONDS} seconds (default 60).  Inputs the fuzzer finds collect
# in WORK/corpus beside the committed seeds.  An input that crashes, leaks, hangs or runs
# out of memory is left in WORK (crash-*, leak-*, timeout-*, oom-*) and fails the test; one
# left by an earlier run is tried first, and fails again until the fault is mended.
cmake_policy(VERSION 3.20)
set(seconds 60)
if(DEFINED ENV{VLM_FUZZ_SECONDS})
  set(seconds $ENV{VLM_FUZZ_SECONDS})
endif()
get_filename_component(name ${WORK} NAME)
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/mended)
set(log ${WORK}/last-run.log)

file(GLOB found ${WORK}/crash-* ${WORK}/leak-* ${WORK}/timeout-* ${WORK}/oom-*)
foreach(input IN LISTS found)
  execute_process(COMMAND ${FUZZER} -timeout=25 ${input} RESULT_VARIABLE status OUTPUT_QUIET ERROR_FILE ${log})
  if(NOT status EQUAL 0)
    file(READ ${log} text)
    message(FATAL_ERROR "fuzz ${name}: ${input} still fails:\n${text}")
  endif()
  get_filename_component(file ${input} NAME)
  file(RENAME ${input} ${WORK}/mended/${file})
endforeach()

execute_process(
  COMMAND ${FUZZER} -max_total_time=${seconds} -timeout=25 -rss_limit_mb=2048 -print_final_stats=1
          -artifact_prefix=${WORK}/ ${WORK}/corpus ${SEEDS}
  RESULT_VARIABLE status OUTPUT_FILE ${log} ERROR_FILE ${log})
file(READ ${log} text)
string(REGEX MATCH "stat::number_of_executed_units: *([0-9]+)" _ "${text}")
set(runs ${CMAKE_MATCH_1})
string(REGEX MATCH "stat::average_exec_per_sec: *([0-9]+)" _ "${text}")
set(rate ${CMAKE_MATCH_1})
set(summary "fuzz ${name}: ${runs} executions in ${seconds} s, ${rate} per second")
file(WRITE ${WORK}/last-run.txt "${summary}\n")
if(NOT status EQUAL 0)
  file(GLOB found ${WORK}/crash-* ${WORK}/leak-* ${WORK}/timeout-* ${WORK}/oom-*)
  message(FATAL_ERROR "${summary}\nfailing input: ${found}\n${text}")
endif()
message(STATUS "${summary}")
