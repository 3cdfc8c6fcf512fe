# Programs that move the real pointer or ask which window lies under a point: no
# other test program may put its windows on the shared screen meanwhile.
if(TARGET test_page_settings_test)
  set_tests_properties(panels.page_settings_test PROPERTIES RUN_SERIAL TRUE)
endif()
if(TARGET test_text_control_pointer_test)
  set_tests_properties(panels.text_control_pointer_test PROPERTIES RUN_SERIAL TRUE)
endif()
if(TARGET test_button_input_test)
  set_tests_properties(panels.button_input_test PROPERTIES RUN_SERIAL TRUE)
endif()
if(TARGET test_button_paint_test)
  set_tests_properties(panels.button_paint_test PROPERTIES RUN_SERIAL TRUE)
  # The built-in skins' themed faces and glyphs take their classic forms.
  kelvra_add_classic_variant(panels.button_paint_test.classic test_button_paint_test)
  set_tests_properties(panels.button_paint_test.classic PROPERTIES RUN_SERIAL TRUE)
endif()

# Without UxTheme no visual style is active: nothing is captured, and a theme
# change leaves the painter's theme handles at 0.
if(TARGET test_theme_border_capture_test)
  kelvra_add_test_variant(panels.theme_border_capture_test.no_uxtheme test_theme_border_capture_test
    ENV "WINEDLLOVERRIDES=uxtheme=d")
endif()

if(TARGET test_page_scroll_thumb_test)
  set_tests_properties(panels.page_scroll_thumb_test PROPERTIES RUN_SERIAL TRUE)
endif()

# Without a visual style every background takes its classic face.
if(TARGET test_page_paint_background_test)
  kelvra_add_classic_variant(panels.page_paint_background_test.classic test_page_paint_background_test)
endif()

# Without GDI+ stretched images draw nothing (and no gradient can be made).
if(TARGET test_page_paint_images_test)
  kelvra_add_test_variant(panels.page_paint_images_test.no_gdiplus test_page_paint_images_test
    ENV "WINEDLLOVERRIDES=gdiplus=d")
endif()
