# Item pictures read their expected colours at run time: the same table runs
# without a visual style.
if(TARGET test_menu_item_painter_test)
  kelvra_add_classic_variant(commandbars.menu_draw.menu_item_painter_test.classic test_menu_item_painter_test)
endif()
