# Typed keys go to whichever window of the session is in front: a test program
# running beside these could take the foreground between two keys.
foreach(name hotkey_test hotkey_unload_load_test menu_keyboard_hook_test)
  if(TEST commandbars.hotkey.${name})
    set_tests_properties(commandbars.hotkey.${name} PROPERTIES RUN_SERIAL TRUE)
  endif()
endforeach()
