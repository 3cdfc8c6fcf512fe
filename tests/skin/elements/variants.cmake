# The painter without GDI+.
if(TARGET test_ui_element_painter_test)
  kelvra_add_test_variant(skin.elements.ui_element_painter_test.no_gdiplus test_ui_element_painter_test
    ENV "WINEDLLOVERRIDES=gdiplus=d")
endif()
