# Linux install rules (included by packaging/CMakeLists.txt).
include(CMakePackageConfigHelpers)

# Installed programs find the library beside them in ../lib, wherever the tree is unpacked.
file(RELATIVE_PATH bin_to_lib /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
set(programs vlmprop)
if(TARGET vlmcalc)
  list(APPEND programs vlmcalc)
endif()
set_target_properties(${programs} PROPERTIES INSTALL_RPATH "$ORIGIN/${bin_to_lib}")

install(TARGETS vlmcore5 EXPORT vlmcore5Targets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT lib NAMELINK_COMPONENT dev
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${public_headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT dev)
install(TARGETS ${programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT calc)
if(TARGET vlmcalc)
  install(FILES linux/vlmcalc.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT calc)
  install(FILES linux/vlmcalc.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps COMPONENT calc)
endif()
install(FILES ${doc_files} ${PROJECT_SOURCE_DIR}/docs/functions.md DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT dev)

# find_package(vlmcore5 5.1): the target vlmcore5::vlmcore5.
set(cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/vlmcore5)
install(EXPORT vlmcore5Targets NAMESPACE vlmcore5:: DESTINATION ${cmake_dir} COMPONENT dev)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/vlmcore5Config.cmake
     "include(\${CMAKE_CURRENT_LIST_DIR}/vlmcore5Targets.cmake)\n")
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/vlmcore5ConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vlmcore5Config.cmake ${CMAKE_CURRENT_BINARY_DIR}/vlmcore5ConfigVersion.cmake
        DESTINATION ${cmake_dir} COMPONENT dev)

# pkg-config --cflags --libs vlmcore5; the prefix is found from the file's own place.
file(RELATIVE_PATH pc_to_prefix /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" pc_to_prefix "${pc_to_prefix}")
configure_file(linux/vlmcore5.pc.in ${CMAKE_CURRENT_BINARY_DIR}/vlmcore5.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vlmcore5.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)

include(debian.cmake)
