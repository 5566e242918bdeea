# GoogleTest: the installed package natively; for the cross builds, compiled from the
# sources Debian's googletest package ships.
if(CMAKE_CROSSCOMPILING)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)  # defines GTest::gtest and friends
else()
  find_package(GTest REQUIRED)
endif()

# vlm_test(NAME SOURCES... LIBS ...): one test program, run by ctest as one test.
function(vlm_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  # 77: Wine cannot run this architecture here (see scripts/wine-run).
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
  if(CMAKE_CROSSCOMPILING)
    # The Windows tests share one Wine prefix, and so one registry, in which some of them
    # change the Language value: they take turns.
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK vlm_wine_registry)
  endif()
endfunction()

# Thread tests are GoogleTest suites named Threads.  vlm_threads_tests(PROGRAM) runs the
# program's Threads suites as the ctest test PROGRAM_threads in the tsan preset, which
# builds the target vlm_threads_tests and runs the tests named *_threads (and the checks named
# *_abi, which look at what that build compiled).
add_custom_target(vlm_threads_tests)
function(vlm_threads_tests program)
  add_dependencies(vlm_threads_tests ${program})
  if(VLM_TSAN)
    add_test(NAME ${program}_threads COMMAND ${program} --gtest_brief=1 --gtest_filter=Threads.*)
  endif()
endfunction()
