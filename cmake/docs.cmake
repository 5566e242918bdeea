# The documentation site (mkdocs.yml, docs/) and its charts.
#   vlm_docs_charts  draws docs/charts/*.svg anew with vlmprop chart
#   docs_charts      (test) the checked-in charts are what vlmprop chart draws now
#   docs_site        (test) mkdocs build --strict into the build tree
set(vlm_docs_charts_script ${PROJECT_SOURCE_DIR}/cmake/docs_charts.cmake)
add_custom_target(vlm_docs_charts
  COMMAND ${CMAKE_COMMAND} -DVLMPROP=$<TARGET_FILE:vlmprop> -DOUT=${PROJECT_SOURCE_DIR}/docs/charts
          -P ${vlm_docs_charts_script}
  DEPENDS vlmprop
  COMMENT "docs/charts/*.svg from vlmprop chart")

if(VLM_TESTS)
  add_test(NAME docs_charts
    COMMAND ${CMAKE_COMMAND} -DVLMPROP=$<TARGET_FILE:vlmprop> -DOUT=${CMAKE_BINARY_DIR}/docs/charts
            -DCHECK=${PROJECT_SOURCE_DIR}/docs/charts -P ${vlm_docs_charts_script})

  find_program(VLM_MKDOCS mkdocs)
  if(VLM_MKDOCS)
    add_test(NAME docs_site
      COMMAND ${VLM_MKDOCS} build --strict --quiet --clean -f ${PROJECT_SOURCE_DIR}/mkdocs.yml
              -d ${CMAKE_BINARY_DIR}/docs/site)
  else()
    # scripts/setup installs mkdocs; without it the test says so and counts as skipped.
    add_test(NAME docs_site COMMAND sh -c "echo 'mkdocs is not installed (scripts/setup installs it)'; exit 77")
    set_tests_properties(docs_site PROPERTIES SKIP_RETURN_CODE 77)
  endif()
endif()
