# Reads the export list from the public header, which declares every export on one line:
#   VLM_API <result> VLM_CALL <name>(<type> <param>, ...);
# vlm_read_exports(HEADER PREFIX) sets PREFIX_NAMES (in the header's order) and, for each
# name N, PREFIX_N_RESULT (double, int or const char*), PREFIX_N_TYPES (double/int list) and
# PREFIX_N_PARAMS (parameter names), in the caller's scope.
function(vlm_read_exports header prefix)
  file(STRINGS "${header}" lines REGEX "^VLM_API .* VLM_CALL vlm[A-Z0-9]+\\(")
  set(names)
  foreach(line IN LISTS lines)
    string(REGEX MATCH "^VLM_API (.*) VLM_CALL (vlm[A-Z0-9]+)\\(([^)]*)\\)" _ "${line}")
    set(name "${CMAKE_MATCH_2}")
    set(result "${CMAKE_MATCH_1}")
    set(params "${CMAKE_MATCH_3}")
    set(types)
    set(pnames)
    if(NOT params STREQUAL "void")
      string(REPLACE "," ";" params "${params}")
      foreach(param IN LISTS params)
        string(STRIP "${param}" param)
        if(NOT param MATCHES "^(double|int) ([A-Za-z0-9]+)$")
          message(FATAL_ERROR "${header}: unexpected parameter '${param}' of ${name}")
        endif()
        list(APPEND types "${CMAKE_MATCH_1}")
        list(APPEND pnames "${CMAKE_MATCH_2}")
      endforeach()
    endif()
    list(APPEND names "${name}")
    set(${prefix}_${name}_RESULT "${result}" PARENT_SCOPE)
    set(${prefix}_${name}_TYPES "${types}" PARENT_SCOPE)
    set(${prefix}_${name}_PARAMS "${pnames}" PARENT_SCOPE)
  endforeach()
  set(${prefix}_NAMES "${names}" PARENT_SCOPE)
endfunction()

# The plain-C state interface (velmora.h) declares each function on one line as
#   VELMORA_API <result> <name>(...);
# vlm_read_state_exports(HEADER VAR) sets VAR to its names in the header's order.
function(vlm_read_state_exports header var)
  file(STRINGS "${header}" lines REGEX "^VELMORA_API [^(]* \\*?vlm_[a-z_]+\\(")
  set(names)
  foreach(line IN LISTS lines)
    string(REGEX MATCH "(vlm_[a-z_]+)\\(" _ "${line}")
    list(APPEND names "${CMAKE_MATCH_1}")
  endforeach()
  set(${var} "${names}" PARENT_SCOPE)
endfunction()

# Writes OUT only when its content changes, so dependants are not rebuilt needlessly.
function(vlm_write_if_changed out content)
  file(WRITE "${out}.tmp" "${content}")
  file(COPY_FILE "${out}.tmp" "${out}" ONLY_IF_DIFFERENT)
  file(REMOVE "${out}.tmp")
endfunction()
