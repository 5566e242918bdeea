# vlm_check_same_items(EXPECTED ACTUAL MODE TITLE): compares the lists in the variables named
# EXPECTED and ACTUAL, order aside.  Where they differ it reports, with message(MODE)
# (FATAL_ERROR or SEND_ERROR), TITLE and the items missing from ACTUAL and those ACTUAL has
# beyond EXPECTED.
function(vlm_check_same_items expected_var actual_var mode title)
  set(expected ${${expected_var}})
  set(actual ${${actual_var}})
  list(SORT expected)
  list(SORT actual)
  if(NOT actual STREQUAL expected)
    set(missing ${expected})
    list(REMOVE_ITEM missing ${actual})
    set(unexpected ${actual})
    list(REMOVE_ITEM unexpected ${expected})
    message(${mode} "${title}\n  missing: ${missing}\n  unexpected: ${unexpected}")
  endif()
endfunction()
