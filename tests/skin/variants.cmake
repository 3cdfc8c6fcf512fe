# The UI colours without a visual style (the grey scheme) and without GDI+.
if(TARGET test_ui_colour_lookup_test)
  kelvra_add_test_variant(skin.ui_colour_lookup_test.no_uxtheme test_ui_colour_lookup_test
    ENV "WINEDLLOVERRIDES=uxtheme=d")
endif()
