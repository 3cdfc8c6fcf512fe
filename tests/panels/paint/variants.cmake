# Without UxTheme no visual style is active: nothing is captured, and a theme
# change leaves the painter's theme handles at 0.
if(TARGET test_theme_border_capture_test)
  kelvra_add_test_variant(panels.paint.theme_border_capture_test.no_uxtheme test_theme_border_capture_test
    ENV "WINEDLLOVERRIDES=uxtheme=d")
endif()

# Without a visual style every background takes its classic face.
if(TARGET test_page_paint_background_test)
  kelvra_add_classic_variant(panels.paint.page_paint_background_test.classic test_page_paint_background_test)
endif()

# Without GDI+ stretched images draw nothing (and no gradient can be made).
if(TARGET test_page_paint_images_test)
  kelvra_add_test_variant(panels.paint.page_paint_images_test.no_gdiplus test_page_paint_images_test
    ENV "WINEDLLOVERRIDES=gdiplus=d")
endif()
