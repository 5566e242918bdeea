# A program built for the Visual C++ target (clang) links with lld-link against the ZIP's
# lib/vlmcore5.lib, and every function it imports is one the DLL exports under that very
# name (undecorated on 32-bit Windows too):
#   cmake -DZIP_DIR=<unpacked ZIP folder> -DWORK=<scratch> -DARCH=win32|win64 -DCLANG=clang
#         -DLLD_LINK=lld-link -DOBJDUMP=<objdump> -DSOURCE=<consumer.c> [-DEMULATOR=wine-run;prefix;arch]
#         -P msvc_link_test.cmake
# With EMULATOR the program also runs beside the ZIP's DLL and must exit with 0; where Wine
# cannot run that bitness the run is left out.
cmake_policy(VERSION 3.20)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/same_items.cmake)
if(ARCH STREQUAL "win32")
  set(target i686-pc-windows-msvc)
  set(machine x86)
else()
  set(target x86_64-pc-windows-msvc)
  set(machine x64)
endif()
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND ${CLANG} --target=${target} -O1 -ffreestanding -fno-stack-protector
                        -I${ZIP_DIR}/include -c ${SOURCE} -o ${WORK}/consumer.obj
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the consumer does not compile for ${target}:\n${err}")
endif()
execute_process(COMMAND ${LLD_LINK} /nologo /machine:${machine} /subsystem:console /nodefaultlib
                        /entry:mainCRTStartup ${WORK}/consumer.obj ${ZIP_DIR}/lib/vlmcore5.lib
                        /out:${WORK}/consumer.exe
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lld-link does not link against lib/vlmcore5.lib:\n${out}${err}")
endif()

function(pe_names file kind out)
  execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  set(names)
  if(kind STREQUAL "exports")
    string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n([^\n]+\n)+" table "${dump}")
    set(pattern "^[ \t]*\\[ *[0-9]+] (.+)$")
  else()
    string(REGEX MATCH "DLL Name: vlmcore5.dll\n[^\n]*\n([^\n]+\n)+" table "${dump}")
    set(pattern "^[ \t]*[0-9a-f]+[ \t]+[0-9]+[ \t]+([^ \t]+)$")
  endif()
  string(REPLACE "\n" ";" rows "${table}")
  foreach(row IN LISTS rows)
    if(row MATCHES "${pattern}")
      list(APPEND names "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()
pe_names(${WORK}/consumer.exe imports imported)
pe_names(${ZIP_DIR}/vlmcore5.dll exports exported)
set(expected vlmHPT vlmGETCHECKRANGEMODE vlm_default_settings vlm_state_ph)
vlm_check_same_items(expected imported FATAL_ERROR "the consumer's imports from vlmcore5.dll")
foreach(name IN LISTS imported)
  if(NOT name IN_LIST exported)
    message(FATAL_ERROR "the consumer imports ${name}, which vlmcore5.dll does not export")
  endif()
endforeach()
message(STATUS "linked with lld-link; imports ${imported}, all exported")
if(EMULATOR)
  file(COPY ${ZIP_DIR}/vlmcore5.dll DESTINATION ${WORK})
  execute_process(COMMAND ${EMULATOR} ${WORK}/consumer.exe RESULT_VARIABLE status ERROR_VARIABLE err)
  if(status EQUAL 77)
    message(STATUS "not run: ${err}")
  elseif(NOT status EQUAL 0)
    message(FATAL_ERROR "the consumer linked with lld-link exits with ${status}:\n${err}")
  endif()
endif()
