# Extra ctest entries that concern the whole library: the export list of kelvra.h
# checked against Kelvra.dll, and the DLL's imports. Per-area entries live in each
# test folder's own variants.cmake.

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
if(TARGET test_export_list_load_test)
  target_include_directories(test_export_list_load_test PRIVATE ${kelvra_generated_dir})
endif()

# Kelvra.dll must run on a plain Windows machine: it may import system DLLs only.
# This reads the DLL's import table on the build machine, not under Wine.
find_program(KELVRA_OBJDUMP NAMES i686-w64-mingw32-objdump)
if(KELVRA_OBJDUMP)
  add_test(NAME core.library.dll_imports
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/core/library/dll_imports_check.sh ${KELVRA_OBJDUMP} $<TARGET_FILE:Kelvra>)
endif()

# The classic drawing paths run without a visual style: a second Wine prefix with
# "ThemeActive" "0", made from the session's prefix by the fixture below once per
# run. kelvra_add_classic_variant(name target) runs a test program in it.
set(KELVRA_CLASSIC_PREFIX ${CMAKE_BINARY_DIR}/wineprefix-classic)
add_test(NAME classic_prefix
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/wine-classic-prefix.sh ${KELVRA_CLASSIC_PREFIX} ${CMAKE_BINARY_DIR}/bin)
set_tests_properties(classic_prefix PROPERTIES FIXTURES_SETUP classic_prefix TIMEOUT 300)
add_test(NAME classic_prefix_stop
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/wine-classic-prefix.sh ${KELVRA_CLASSIC_PREFIX} --stop)
set_tests_properties(classic_prefix_stop PROPERTIES FIXTURES_CLEANUP classic_prefix TIMEOUT 60)
function(kelvra_add_classic_variant name target)
  add_test(NAME ${name} COMMAND ${target} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${KELVRA_TEST_TIMEOUT} FIXTURES_REQUIRED classic_prefix
    ENVIRONMENT "WINEPREFIX=${KELVRA_CLASSIC_PREFIX}")
endfunction()
