# The page settings program moves the real pointer: no other test program may put
# its windows on the shared screen meanwhile.
if(TARGET test_page_settings_test)
  set_tests_properties(panels.page.page_settings_test PROPERTIES RUN_SERIAL TRUE)
endif()
