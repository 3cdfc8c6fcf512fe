# Extra ctest entries: the load test with each optional system DLL switched off,
# the export list of kelvra.h checked against Kelvra.dll, and the DLL's imports.

if(TARGET test_core_library_load_test)
  foreach(dll gdiplus uxtheme dwmapi)
    kelvra_add_test_variant(core.library_load_test.no_${dll} test_core_library_load_test
      ENV "WINEDLLOVERRIDES=${dll}=d")
  endforeach()
endif()

# Every export that kelvra.h declares, read from the header at configure time so
# the list follows each export added later.
set(KELVRA_PUBLIC_HEADER ${CMAKE_SOURCE_DIR}/include/kelvra.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KELVRA_PUBLIC_HEADER})
file(STRINGS ${KELVRA_PUBLIC_HEADER} kelvra_declarations REGEX "KELVRA_API.*KELVRA_CALL")
set(kelvra_export_names "")
foreach(line IN LISTS kelvra_declarations)
  if(line MATCHES "KELVRA_API[^;(]*KELVRA_CALL[ \t]+([A-Za-z_][A-Za-z0-9_]*)[ \t]*\\(")
    string(APPEND kelvra_export_names "  \"${CMAKE_MATCH_1}\",\n")
  endif()
endforeach()
set(kelvra_generated_dir ${CMAKE_BINARY_DIR}/generated)
file(CONFIGURE OUTPUT ${kelvra_generated_dir}/kelvra_export_names.h CONTENT
"// Generated from include/kelvra.h by tests/variants.cmake: the declared exports.
#pragma once
inline const char* const kKelvraExportNames[] = {
@kelvra_export_names@};
" @ONLY)
if(TARGET test_core_export_list_load_test)
  target_include_directories(test_core_export_list_load_test PRIVATE ${kelvra_generated_dir})
endif()

# Kelvra.dll must run on a plain Windows machine: it may import system DLLs only.
# This reads the DLL's import table on the build machine, not under Wine.
find_program(KELVRA_OBJDUMP NAMES i686-w64-mingw32-objdump)
if(KELVRA_OBJDUMP)
  add_test(NAME core.dll_imports
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/core/dll_imports_check.sh ${KELVRA_OBJDUMP} $<TARGET_FILE:Kelvra>)
endif()

if(TARGET test_core_platform_bindings_test)
  foreach(dll gdiplus uxtheme dwmapi)
    kelvra_add_test_variant(core.platform_bindings_test.no_${dll} test_core_platform_bindings_test
      ENV "WINEDLLOVERRIDES=${dll}=d")
  endforeach()
endif()

# Gradients cannot be made without GDI+: the same program checks that answer.
if(TARGET test_core_gradient_test)
  kelvra_add_test_variant(core.gradient_test.no_gdiplus test_core_gradient_test
    ENV "WINEDLLOVERRIDES=gdiplus=d")
endif()

# Stand-in GDI+ modules for the start and shutdown paths Wine's GDI+ never takes
# (a failed startup, a missing function).
foreach(kind full partial)
  add_library(fake_gdiplus_${kind} SHARED ${CMAKE_CURRENT_SOURCE_DIR}/core/fixtures/fake_gdiplus.c)
  set_target_properties(fake_gdiplus_${kind} PROPERTIES PREFIX "")
  target_link_options(fake_gdiplus_${kind} PRIVATE -static -Wl,--kill-at)
  if(kind STREQUAL partial)
    target_compile_definitions(fake_gdiplus_${kind} PRIVATE FAKE_GDIPLUS_PARTIAL)
  endif()
  if(TARGET test_core_gdiplus_startup_test)
    add_dependencies(test_core_gdiplus_startup_test fake_gdiplus_${kind})
  endif()
endforeach()
