cmake_policy(VERSION 3.20)
# Writes a module-definition file of vlmcore5 from the public headers.
#   -DHEADER=vlmcore5.h -DOUT=vlmcore5.def -DDECORATE=ON|OFF [-DSTATE_HEADER=velmora.h]
#   [-DSTYLE=mingw|msvc]
# mingw (the default): for 32-bit Windows the names carry the __stdcall decoration (@ and the
# argument bytes) that callers compiled with mingw refer to; dlltool -k then makes an import
# library that binds those references to the plain exported names.
# msvc: the form Visual C++'s lib /def reads.  With DECORATE each stdcall export is written
# as "plain=_plain@bytes", the exported name bound to the symbol its callers refer to.
# The state interface's functions use the C calling convention: plain names either way.
include(${CMAKE_CURRENT_LIST_DIR}/header_exports.cmake)
vlm_read_exports("${HEADER}" E)
set(out "LIBRARY vlmcore5.dll\nEXPORTS\n")
foreach(name IN LISTS E_NAMES)
  set(bytes 0)
  foreach(type IN LISTS E_${name}_TYPES)
    if(type STREQUAL "double")
      math(EXPR bytes "${bytes} + 8")
    else()
      math(EXPR bytes "${bytes} + 4")
    endif()
  endforeach()
  if(NOT DECORATE)
    string(APPEND out "  ${name}\n")
  elseif(STYLE STREQUAL "msvc")
    string(APPEND out "  ${name}=_${name}@${bytes}\n")
  else()
    string(APPEND out "  ${name}@${bytes}\n")
  endif()
endforeach()
if(STATE_HEADER)
  vlm_read_state_exports("${STATE_HEADER}" state_names)
  foreach(name IN LISTS state_names)
    string(APPEND out "  ${name}\n")
  endforeach()
endif()
vlm_write_if_changed("${OUT}" "${out}")
