# The project's version, read from the public header so that the library, the packages and the
# header agree: sets vlm_version (MAJOR.MINOR.PATCH) and its parts.  Run as a script
# (cmake -P cmake/version.cmake) it prints the version, for the Python build backend.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../core/include/vlmcore5.h vlm_version_lines
     REGEX "^#define VLM_VERSION_(MAJOR|MINOR|PATCH) ")
foreach(part MAJOR MINOR PATCH)
  string(REGEX MATCH "VLM_VERSION_${part} ([0-9]+)" _ "${vlm_version_lines}")
  set(vlm_version_${part} ${CMAKE_MATCH_1})
endforeach()
set(vlm_version ${vlm_version_MAJOR}.${vlm_version_MINOR}.${vlm_version_PATCH})
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  message(NOTICE "${vlm_version}")
endif()
