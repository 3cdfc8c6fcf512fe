# The UI colours without a visual style (the grey scheme), the built-in skins' glyphs
# drawn by DrawFrameControl, and the painter without
# GDI+.
foreach(program ui_colour_lookup_test ui_colour_setters_test builtin_skin_images_test)
  if(TARGET test_${program})
    kelvra_add_test_variant(skin.${program}.no_uxtheme test_${program} ENV "WINEDLLOVERRIDES=uxtheme=d")
  endif()
endforeach()
if(TARGET test_ui_element_painter_test)
  kelvra_add_test_variant(skin.ui_element_painter_test.no_gdiplus test_ui_element_painter_test
    ENV "WINEDLLOVERRIDES=gdiplus=d")
endif()
# Gradients need GDI+: without it a "gradient" value is stored and builds nothing.
if(TARGET test_skin_property_data_test)
  kelvra_add_test_variant(skin.skin_property_data_test.no_gdiplus test_skin_property_data_test
    ENV "WINEDLLOVERRIDES=gdiplus=d")
endif()
