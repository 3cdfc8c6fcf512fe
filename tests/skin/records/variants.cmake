# Gradients need GDI+: without it a "gradient" value is stored and builds nothing.
if(TARGET test_skin_property_data_test)
  kelvra_add_test_variant(skin.records.skin_property_data_test.no_gdiplus test_skin_property_data_test
    ENV "WINEDLLOVERRIDES=gdiplus=d")
endif()
