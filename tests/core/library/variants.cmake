# The load test with each optional system DLL switched off.
if(TARGET test_library_load_test)
  foreach(dll gdiplus uxtheme dwmapi)
    kelvra_add_test_variant(core.library.library_load_test.no_${dll} test_library_load_test
      ENV "WINEDLLOVERRIDES=${dll}=d")
  endforeach()
endif()
