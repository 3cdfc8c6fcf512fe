# Gradients cannot be made without GDI+: the same program checks that answer.
if(TARGET test_gradient_test)
  kelvra_add_test_variant(core.colour.gradient_test.no_gdiplus test_gradient_test
    ENV "WINEDLLOVERRIDES=gdiplus=d")
endif()
