# The charts of the documentation, drawn by vlmprop chart:
#   cmake -DVLMPROP=<program> -DOUT=<dir> [-DCHECK=<dir>] -P docs_charts.cmake
# writes them into OUT; with CHECK, fails unless each is the same as the copy in CHECK.
cmake_policy(VERSION 3.20)
# kind|pair|a|b: each chart with a state of a steam cycle marked.
set(charts ts|pt|1e7|823.15 hs|ps|1e4|6800 ph|px|1e6|0.5 pt|pt|1e7|823.15)
file(MAKE_DIRECTORY "${OUT}")
set(stale)
foreach(chart IN LISTS charts)
  string(REPLACE "|" ";" parts "${chart}")
  list(GET parts 0 name)
  list(GET parts 1 2 3 state)
  set(args ${name} --state ${state})
  execute_process(COMMAND ${VLMPROP} chart ${args} -o ${OUT}/${name}.svg RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "vlmprop chart ${args}: status ${status}\n${errors}")
  endif()
  if(DEFINED CHECK)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name}.svg ${CHECK}/${name}.svg RESULT_VARIABLE differ)
    if(differ)
      list(APPEND stale ${name}.svg)
    endif()
  endif()
endforeach()
if(stale)
  message(FATAL_ERROR "${CHECK}: ${stale} differ from what vlmprop chart draws now; "
                      "cmake --build build/native --target vlm_docs_charts draws them anew")
endif()
