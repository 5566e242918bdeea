# The library installed into a scratch prefix, used by a CMake consumer (find_package) and by
# a plain compiler call with pkg-config's flags:
#   cmake -DBUILD=<build dir> -DWORK=<scratch> -DSOURCE=<consumer dir> -DVERSION=x.y.z
#         -DC_COMPILER=cc -P consumer_test.cmake
cmake_policy(VERSION 3.20)
file(REMOVE_RECURSE "${WORK}")
set(prefix "${WORK}/prefix")

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run("install" ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${prefix}")

# Only public headers, and a library whose soname carries the major version.
file(GLOB_RECURSE headers RELATIVE "${prefix}/include" "${prefix}/include/*")
foreach(header IN LISTS headers)
  if(NOT header MATCHES "^[^/]+\\.h$")
    message(SEND_ERROR "installed header ${header} is not a public one")
  endif()
endforeach()
if(NOT "vlmcore5.h" IN_LIST headers)
  message(SEND_ERROR "vlmcore5.h is not installed")
endif()
file(GLOB_RECURSE library "${prefix}/*/libvlmcore5.so.${VERSION}")
if(NOT library)
  message(FATAL_ERROR "libvlmcore5.so.${VERSION} is not installed")
endif()
run("objdump" objdump -p "${library}")
string(REGEX MATCH "^[0-9]+" major "${VERSION}")
string(REGEX MATCH "SONAME +([^\n]+)" _ "${out}")
if(NOT CMAKE_MATCH_1 STREQUAL "libvlmcore5.so.${major}")
  message(SEND_ERROR "soname '${CMAKE_MATCH_1}', expected libvlmcore5.so.${major}")
endif()
get_filename_component(libdir "${library}" DIRECTORY)
set(expected "${VERSION} 115331.273 2\n")

# 1. find_package(vlmcore5 5.1 REQUIRED)
run("configure the CMake consumer" ${CMAKE_COMMAND} -S "${SOURCE}" -B "${WORK}/cmake" -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_C_COMPILER=${C_COMPILER})
run("build the CMake consumer" ${CMAKE_COMMAND} --build "${WORK}/cmake")
run("the CMake consumer" "${WORK}/cmake/consumer")
if(NOT out STREQUAL expected)
  message(SEND_ERROR "the CMake consumer printed '${out}', expected '${expected}'")
endif()

# 2. cc consumer.c $(pkg-config --cflags --libs vlmcore5)
set(ENV{PKG_CONFIG_PATH} "${libdir}/pkgconfig")
run("pkg-config" pkg-config --cflags --libs vlmcore5)
separate_arguments(flags UNIX_COMMAND "${out}")
run("compile with pkg-config's flags" ${C_COMPILER} "${SOURCE}/consumer.c" -o "${WORK}/pc-consumer" ${flags})
run("the pkg-config consumer" ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${libdir} "${WORK}/pc-consumer")
if(NOT out STREQUAL expected)
  message(SEND_ERROR "the pkg-config consumer printed '${out}', expected '${expected}'")
endif()
run("pkg-config --modversion" pkg-config --modversion vlmcore5)
if(NOT out STREQUAL "${VERSION}\n")
  message(SEND_ERROR "pkg-config reports version ${out}")
endif()

# The installed programs find the installed library by themselves.
run("the installed vlmprop" "${prefix}/bin/vlmprop" --version)
if(NOT out STREQUAL "vlmprop ${VERSION}\n")
  message(SEND_ERROR "the installed vlmprop printed '${out}'")
endif()
