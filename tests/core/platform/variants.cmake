# The bindings with each optional system DLL switched off.
if(TARGET test_platform_bindings_test)
  foreach(dll gdiplus uxtheme dwmapi)
    kelvra_add_test_variant(core.platform.platform_bindings_test.no_${dll} test_platform_bindings_test
      ENV "WINEDLLOVERRIDES=${dll}=d")
  endforeach()
endif()

# Stand-in GDI+ modules for the start and shutdown paths Wine's GDI+ never takes
# (a failed startup, a missing function).
foreach(kind full partial)
  add_library(fake_gdiplus_${kind} SHARED ${CMAKE_CURRENT_LIST_DIR}/fixtures/fake_gdiplus.c)
  set_target_properties(fake_gdiplus_${kind} PROPERTIES PREFIX "")
  target_link_options(fake_gdiplus_${kind} PRIVATE -static -Wl,--kill-at)
  if(kind STREQUAL partial)
    target_compile_definitions(fake_gdiplus_${kind} PRIVATE FAKE_GDIPLUS_PARTIAL)
  endif()
  if(TARGET test_gdiplus_startup_test)
    add_dependencies(test_gdiplus_startup_test fake_gdiplus_${kind})
  endif()
endforeach()
