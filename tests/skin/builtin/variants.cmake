# The built-in skins' glyphs drawn by DrawFrameControl, without a visual style.
if(TARGET test_builtin_skin_images_test)
  kelvra_add_test_variant(skin.builtin.builtin_skin_images_test.no_uxtheme test_builtin_skin_images_test
    ENV "WINEDLLOVERRIDES=uxtheme=d")
endif()
