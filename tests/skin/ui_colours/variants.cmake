# The UI colours without a visual style (the grey scheme).
foreach(program ui_colour_lookup_test ui_colour_setters_test)
  if(TARGET test_${program})
    kelvra_add_test_variant(skin.ui_colours.${program}.no_uxtheme test_${program} ENV "WINEDLLOVERRIDES=uxtheme=d")
  endif()
endforeach()
