# Windows install rules and VERSIONINFO (included by packaging/CMakeLists.txt).  The ZIP
# unpacks to one folder: the programs and DLLs at its top, include/ and lib/ for developers.
enable_language(RC)

# VERSIONINFO of every DLL and EXE a user gets: target, file description.
set(described
  vlmcore5 "Water and steam property library and automation server"
  vlmcalc "Velmora Calculator"
  vlmprop "Water and steam properties on the command line"
  vlmmcad "Water and steam properties for Mathcad worksheets")
while(described)
  list(POP_FRONT described target description)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(file_type VFT_APP)
    set(file_name ${target}.exe)
  else()
    set(file_type VFT_DLL)
    set(file_name ${target}.dll)
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/version/${target}.rc)
  configure_file(windows/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endwhile()

set(programs vlmcore5 vlmcalc vlmprop vlmmcad)
# The linker's import libraries are not installed: the one mingw callers need is below.
install(TARGETS ${programs} RUNTIME DESTINATION . LIBRARY DESTINATION .
        ARCHIVE DESTINATION lib COMPONENT unused EXCLUDE_FROM_ALL)
install(FILES ${public_headers} DESTINATION include)

# The import libraries: libvlmcore5.dll.a for mingw, vlmcore5.lib for Visual C++ (made by
# llvm-dlltool in the short-import format both link.exe and lld-link read), and the
# module-definition file from which other linkers' tools make one (lib /def:vlmcore5.def),
# naming every export of both headers.  32-bit: the exports are __stdcall functions under
# plain names; the import libraries bind the decorated names callers refer to (_vlmHPT@16)
# to them, and the .def states that binding (vlmHPT=_vlmHPT@16).
find_program(VLM_LLVM_DLLTOOL NAMES llvm-dlltool llvm-dlltool-16 llvm-dlltool-15 llvm-dlltool-14 REQUIRED)
set(def ${CMAKE_CURRENT_BINARY_DIR}/vlmcore5.def)
set(msvc_lib ${CMAKE_CURRENT_BINARY_DIR}/vlmcore5.lib)
set(headers_in ${PROJECT_SOURCE_DIR}/core/include/vlmcore5.h ${PROJECT_SOURCE_DIR}/core/include/velmora.h)
set(def_args -DHEADER=${PROJECT_SOURCE_DIR}/core/include/vlmcore5.h -DSTATE_HEADER=${PROJECT_SOURCE_DIR}/core/include/velmora.h)
if(VLM_WINE_ARCH STREQUAL "win32")
  get_target_property(implib vlmcore5_import INTERFACE_LINK_LIBRARIES)
  # The mingw-style list with decorated names that the mingw import library comes from.
  set(dlltool_def ${PROJECT_BINARY_DIR}/core/generated/vlmcore5.def)
  set(dlltool_args -m i386 -k)
  set(def_args ${def_args} -DDECORATE=ON -DSTYLE=msvc)
  set(lib_depends vlmcore5_implib)
else()
  set(implib $<TARGET_LINKER_FILE:vlmcore5>)
  set(dlltool_def ${def})
  set(dlltool_args -m i386:x86-64)
  set(def_args ${def_args} -DDECORATE=OFF)
  set(lib_depends)
endif()
add_custom_command(
  OUTPUT ${def}
  COMMAND ${CMAKE_COMMAND} ${def_args} -DOUT=${def} -P ${PROJECT_SOURCE_DIR}/cmake/exports_def.cmake
  DEPENDS ${headers_in} ${PROJECT_SOURCE_DIR}/cmake/exports_def.cmake ${PROJECT_SOURCE_DIR}/cmake/header_exports.cmake
  COMMENT "Module-definition file of vlmcore5.dll")
add_custom_command(
  OUTPUT ${msvc_lib}
  COMMAND ${VLM_LLVM_DLLTOOL} ${dlltool_args} -D vlmcore5.dll -d ${dlltool_def} -l ${msvc_lib}
  DEPENDS ${def} ${headers_in} ${lib_depends}
  COMMENT "Visual C++ import library of vlmcore5.dll")
add_custom_target(vlmcore5_def ALL DEPENDS ${def} ${msvc_lib})
if(lib_depends)
  add_dependencies(vlmcore5_def ${lib_depends})
endif()
install(FILES ${implib} DESTINATION lib RENAME libvlmcore5.dll.a)
install(FILES ${def} ${msvc_lib} DESTINATION lib)
install(FILES ${PROJECT_SOURCE_DIR}/docs/functions.md DESTINATION doc)

# The VBA module for Excel, from the export table, and its guide.
set(bas ${CMAKE_CURRENT_BINARY_DIR}/Velmora.bas)
add_custom_command(
  OUTPUT ${bas}
  COMMAND ${CMAKE_COMMAND} -DTABLE=${PROJECT_SOURCE_DIR}/core/functions.table -DVBA_OUT=${bas}
          -P ${PROJECT_SOURCE_DIR}/cmake/reference.cmake
  DEPENDS ${PROJECT_SOURCE_DIR}/core/functions.table ${PROJECT_SOURCE_DIR}/cmake/reference.cmake
          ${PROJECT_SOURCE_DIR}/cmake/reference_vba.cmake
  COMMENT "VBA module of vlmcore5.dll")
add_custom_target(vlmcore5_vba ALL DEPENDS ${bas})
configure_file(windows/Spreadsheets.txt ${CMAKE_CURRENT_BINARY_DIR}/Spreadsheets.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${bas} ${CMAKE_CURRENT_BINARY_DIR}/Spreadsheets.txt DESTINATION vba)

if(VLM_WINE_ARCH STREQUAL "win32")
  set(machine x86)
else()
  set(machine x64)
endif()
include(${PROJECT_SOURCE_DIR}/cmake/header_exports.cmake)
vlm_read_exports(${PROJECT_SOURCE_DIR}/core/include/vlmcore5.h header)
list(LENGTH header_NAMES VLM_EXPORT_COUNT)
configure_file(windows/README-Windows.txt ${CMAKE_CURRENT_BINARY_DIR}/README-Windows.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README-Windows.txt DESTINATION .)
foreach(doc IN LISTS doc_files)
  get_filename_component(name ${doc} NAME_WE)
  configure_file(${doc} ${CMAKE_CURRENT_BINARY_DIR}/${name}.txt COPYONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.txt DESTINATION .)
endforeach()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME velmora-${PROJECT_VERSION}-${VLM_WINE_ARCH})
