# Programs that move the real pointer or read the screen: no other test program
# may put its windows on the shared screen meanwhile.
if(TARGET test_splitter_pointer_test)
  set_tests_properties(panels.splitter.splitter_pointer_test PROPERTIES RUN_SERIAL TRUE)
endif()
if(TARGET test_splitter_library_load_test)
  set_tests_properties(panels.splitter.splitter_library_load_test PROPERTIES RUN_SERIAL TRUE)
endif()
if(TARGET test_splitter_paint_test)
  set_tests_properties(panels.splitter.splitter_paint_test PROPERTIES RUN_SERIAL TRUE)
  # The gripper's colour is a gradient, not a themed face: the same without a style.
  kelvra_add_classic_variant(panels.splitter.splitter_paint_test.classic test_splitter_paint_test)
  set_tests_properties(panels.splitter.splitter_paint_test.classic PROPERTIES RUN_SERIAL TRUE)
endif()
