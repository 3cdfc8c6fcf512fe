# The pointer program moves the real pointer: no other test program may put its
# windows on the shared screen meanwhile.
if(TARGET test_text_control_pointer_test)
  set_tests_properties(panels.text_control.text_control_pointer_test PROPERTIES RUN_SERIAL TRUE)
endif()
