# Programs that move the real pointer or read the screen: no other test program
# may put its windows on the shared screen meanwhile.
if(TARGET test_explorer_bar_input_test)
  set_tests_properties(panels.explorer_bar.explorer_bar_input_test PROPERTIES RUN_SERIAL TRUE)
endif()
if(TARGET test_explorer_bar_paint_test)
  set_tests_properties(panels.explorer_bar.explorer_bar_paint_test PROPERTIES RUN_SERIAL TRUE)
  # Without a visual style the theme codes of the built-in skins take their
  # classic faces, as they do with one under Wine (no "explorerbar" theme).
  kelvra_add_classic_variant(panels.explorer_bar.explorer_bar_paint_test.classic test_explorer_bar_paint_test)
  set_tests_properties(panels.explorer_bar.explorer_bar_paint_test.classic PROPERTIES RUN_SERIAL TRUE)
endif()
