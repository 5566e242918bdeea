# The Linux packages (included by linux.cmake): a TGZ of everything, and four Debian packages
# split by what a user takes:
#   libvlmcore5-5     the library (lib component), nothing of Qt
#   libvlmcore5-dev   headers, CMake package, pkg-config file, the unversioned link, the
#                     function reference (dev)
#   vlmcalc           the calculator and vlmprop, with their manual pages (calc)
#   python3-velmora   the Python package, stripped (python)
# Each carries /usr/share/doc/<package>/copyright and changelog.gz (the Debian changelog made
# from CHANGELOG.md's entry of this version).
set(CPACK_GENERATOR TGZ DEB)
set(CPACK_PACKAGE_FILE_NAME velmora-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
set(VLM_DEB_MAINTAINER "Velmora maintainers <velmora@brindlow.example>"
    CACHE STRING "The Maintainer field of the Debian packages (name <address>)")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VLM_DEB_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SOURCE velmora)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(deb_packages lib libvlmcore5-${PROJECT_VERSION_MAJOR} dev libvlmcore5-dev calc vlmcalc)
if(TARGET velmora_python)
  list(APPEND deb_packages python python3-velmora)
endif()
set(CPACK_COMPONENTS_ALL)
set(deb_changelog ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz)
set(deb_copyright ${CMAKE_CURRENT_BINARY_DIR}/debian/copyright)
set(pairs ${deb_packages})
while(pairs)
  list(POP_FRONT pairs component package)
  list(APPEND CPACK_COMPONENTS_ALL ${component})
  string(TOUPPER ${component} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${package})
  set(CPACK_DEBIAN_${upper}_FILE_NAME DEB-DEFAULT)
  install(FILES ${deb_copyright} ${deb_changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package}
          COMPONENT ${component} EXCLUDE_FROM_ALL)
endwhile()

# The library: shlibs asking for at least this version, ldconfig run by trigger.
set(CPACK_DEBIAN_LIB_PACKAGE_SECTION libs)
string(CONCAT CPACK_COMPONENT_LIB_DESCRIPTION "Water and steam property library\n"
    " IAPWS-IF97 thermodynamic properties, transport properties and surface\n"
    " tension of water and steam as plain C functions in SI units, and the\n"
    " state interface velmora.h.")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/debian/lib/triggers "activate-noawait ldconfig\n")
set(CPACK_DEBIAN_LIB_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/debian/lib/triggers)
set(CPACK_DEBIAN_LIB_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEV_DEPENDS lib)
string(CONCAT CPACK_COMPONENT_DEV_DESCRIPTION "Water and steam property library (development files)\n"
    " The C headers, the CMake package (find_package(vlmcore5)), the\n"
    " pkg-config file vlmcore5.pc and the reference of every function with\n"
    " its units.")

set(CPACK_COMPONENT_CALC_DEPENDS lib)
# dpkg-shlibdeps finds the library the programs need in the build tree; the dependency on its
# package comes from the component's.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})
string(CONCAT CPACK_COMPONENT_CALC_DESCRIPTION "Water and steam properties: calculator and command-line tool\n"
    " vlmcalc, a calculator window for the properties of a state of water or\n"
    " steam, and vlmprop, which calls any function of the library, prints a\n"
    " state's rows and computes files of states.")

set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS "python3, python3-numpy")
string(CONCAT CPACK_COMPONENT_PYTHON_DESCRIPTION "Water and steam properties for Python over numpy arrays\n"
    " The package velmora: every function of the library and the whole state\n"
    " from a pair of properties, over numbers and numpy arrays.")

# copyright in the machine-readable format, the licence text from LICENSE.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX REPLACE "\n+$" "" license "${license}")
string(REGEX REPLACE "^MIT License\n\n" "" license "${license}")
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" _ "${license}")
set(holder "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^Copyright [^\n]+\n\n" "" license "${license}")
string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
string(REGEX REPLACE "\n" "\n"
    " " license "${license}")
file(WRITE ${deb_copyright}
     "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
     "Upstream-Name: velmora\n\nFiles: *\nCopyright: ${holder}\nLicense: Expat\n"
    " ${license}\n")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE
                                                              ${PROJECT_SOURCE_DIR}/CHANGELOG.md)

# changelog.gz: CHANGELOG.md's entry of this version, in the Debian changelog's form.
include(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.cmake)
vlm_debian_changelog(${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_VERSION} "${VLM_DEB_MAINTAINER}" entry)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog "${entry}")
execute_process(COMMAND gzip -9nc ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog OUTPUT_FILE ${deb_changelog}
                COMMAND_ERROR_IS_FATAL ANY)

# The manual pages, from the programs' --help and --version.
find_program(VLM_HELP2MAN help2man)
if(VLM_HELP2MAN)
  set(man_pages)
  set(summary_vlmprop "water and steam properties on the command line")
  set(summary_vlmcalc "calculator window for the properties of water and steam")
  foreach(program IN LISTS programs)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1)
    add_custom_command(
      OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${VLM_HELP2MAN} --no-info --no-discard-stderr
              --section=1 --source=Velmora "--name=${summary_${program}}" --output=${page} $<TARGET_FILE:${program}>
      COMMAND gzip -9nf ${page}
      DEPENDS ${program}
      COMMENT "Manual page ${program}.1")
    list(APPEND man_pages ${page}.gz)
  endforeach()
  add_custom_target(vlm_man_pages ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT calc)
else()
  message(STATUS "help2man not found: no manual pages")
endif()

# The Python module is installed as a plain file: strip it like the programs.
if(TARGET velmora_python)
  install(CODE "file(GLOB modules \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VLM_PYTHON_SITE_DIR}/velmora/_velmora*.so\")
    foreach(module IN LISTS modules)
      execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${module} COMMAND_ERROR_IS_FATAL ANY)
    endforeach()" COMPONENT python)
endif()

# The programs find the library beside them through their RPATH ($ORIGIN/../lib) wherever an
# archive is unpacked; installed as a component into /usr (the Debian package) the library is
# in the system's own directory, and Debian's policy forbids the RPATH.
install(CODE "if(CMAKE_INSTALL_COMPONENT STREQUAL \"calc\" AND CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
    foreach(program ${programs})
      file(RPATH_REMOVE FILE \"\$ENV{DESTDIR}/usr/${CMAKE_INSTALL_BINDIR}/\${program}\")
    endforeach()
  endif()" COMPONENT calc)
