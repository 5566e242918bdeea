cmake_policy(VERSION 3.20)
# Writes an X-macro table of every export declared in the public header, for programs that
# call exports by name:
#   VLM_EXPORT(vlmV1PT, D_DD, "p, t")
# The signature code is the result, '_' and one letter per parameter: D double, I int,
# S text (const char*), V none.
#   -DHEADER=vlmcore5.h -DOUT=vlmcore5_exports.inc
include(${CMAKE_CURRENT_LIST_DIR}/header_exports.cmake)
vlm_read_exports("${HEADER}" E)
set(letter_double D)
set(letter_int I)
set("letter_const char*" S)
set(out "// Generated from vlmcore5.h: every export, in the header's order.\n")
foreach(name IN LISTS E_NAMES)
  set(code "${letter_${E_${name}_RESULT}}_")
  if(NOT E_${name}_TYPES)
    string(APPEND code "V")
  endif()
  foreach(type IN LISTS E_${name}_TYPES)
    string(APPEND code "${letter_${type}}")
  endforeach()
  list(JOIN E_${name}_PARAMS ", " joined)
  string(APPEND out "VLM_EXPORT(${name}, ${code}, \"${joined}\")\n")
endforeach()
vlm_write_if_changed("${OUT}" "${out}")
