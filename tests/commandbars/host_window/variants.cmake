if(TARGET test_host_window_theme_test)
  # Without a visual style the scroll-bar handle and the flag become 0 and the
  # other handles stay as they were.
  kelvra_add_classic_variant(commandbars.host_window.host_window_theme_test.classic test_host_window_theme_test)
endif()
if(TARGET test_host_window_test)
  # Brings windows to the foreground.
  set_tests_properties(commandbars.host_window.host_window_test PROPERTIES RUN_SERIAL TRUE)
endif()
if(TARGET test_host_window_gadget_test)
  # Moves the real pointer.
  set_tests_properties(commandbars.host_window.host_window_gadget_test PROPERTIES RUN_SERIAL TRUE)
endif()
