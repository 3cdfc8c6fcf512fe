# Programs that track menus with the real pointer and keyboard or read the
# screen: no other test program may put its windows on the shared screen (or
# take the foreground) meanwhile.
foreach(stem tracked_menu_driver_test menu_tracking_hooks_test popup_menu_window_proc_test)
  if(TARGET test_${stem})
    set_tests_properties(commandbars.popup.${stem} PROPERTIES RUN_SERIAL TRUE)
  endif()
endforeach()
