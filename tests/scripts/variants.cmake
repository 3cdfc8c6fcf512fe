# Checks of the set-up and session scripts; they run on the build machine, not
# under Wine.
add_test(NAME scripts.apt_source_entries
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/apt_source_entries_check.sh)
add_test(NAME scripts.wine_session
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine_session_check.sh)
set_tests_properties(scripts.wine_session PROPERTIES TIMEOUT 300)
