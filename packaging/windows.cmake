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

# The import library for mingw and the module-definition file from which another linker's
# tools make one (lib /def:vlmcore5.def).  32-bit: the names carry the __stdcall decoration
# callers refer to, bound to the DLL's plain names.
set(def ${CMAKE_CURRENT_BINARY_DIR}/vlmcore5.def)
if(VLM_WINE_ARCH STREQUAL "win32")
  set(decorate ON)
  get_target_property(implib vlmcore5_import INTERFACE_LINK_LIBRARIES)
else()
  set(decorate OFF)
  set(implib $<TARGET_LINKER_FILE:vlmcore5>)
endif()
add_custom_command(
  OUTPUT ${def}
  COMMAND ${CMAKE_COMMAND} -DHEADER=${PROJECT_SOURCE_DIR}/core/include/vlmcore5.h -DOUT=${def} -DDECORATE=${decorate}
          -P ${PROJECT_SOURCE_DIR}/cmake/exports_def.cmake
  DEPENDS ${PROJECT_SOURCE_DIR}/core/include/vlmcore5.h ${PROJECT_SOURCE_DIR}/cmake/exports_def.cmake
  COMMENT "Module-definition file of vlmcore5.dll")
add_custom_target(vlmcore5_def ALL DEPENDS ${def})
install(FILES ${implib} DESTINATION lib RENAME libvlmcore5.dll.a)
install(FILES ${def} DESTINATION lib)

if(VLM_WINE_ARCH STREQUAL "win32")
  set(machine x86)
else()
  set(machine x64)
endif()
configure_file(windows/README-Windows.txt ${CMAKE_CURRENT_BINARY_DIR}/README-Windows.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README-Windows.txt DESTINATION .)
foreach(doc IN LISTS doc_files)
  get_filename_component(name ${doc} NAME_WE)
  configure_file(${doc} ${CMAKE_CURRENT_BINARY_DIR}/${name}.txt COPYONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.txt DESTINATION .)
endforeach()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME velmora-${PROJECT_VERSION}-${VLM_WINE_ARCH})
