# Programs that move the real pointer or ask which window lies under a point: no
# other test program may put its windows on the shared screen meanwhile.
if(TARGET test_button_input_test)
  set_tests_properties(panels.button.button_input_test PROPERTIES RUN_SERIAL TRUE)
endif()
if(TARGET test_button_paint_test)
  set_tests_properties(panels.button.button_paint_test PROPERTIES RUN_SERIAL TRUE)
  # The built-in skins' themed faces and glyphs take their classic forms.
  kelvra_add_classic_variant(panels.button.button_paint_test.classic test_button_paint_test)
  set_tests_properties(panels.button.button_paint_test.classic PROPERTIES RUN_SERIAL TRUE)
endif()
