# Kelvra's CMake package. In a 32-bit Windows project:
#   find_package(Kelvra <major>.<minor> REQUIRED)   # e.g. 1.36
#   target_link_libraries(app PRIVATE Kelvra::Kelvra)
# gives the include folder (kelvra.h) and the import library of bin/Kelvra.dll.
# Every path is found from this file's own place, so the folder may be moved.
include("${CMAKE_CURRENT_LIST_DIR}/KelvraTargets.cmake")

# The targets file names the MinGW import library. A toolchain whose import
# libraries are called NAME.lib (MSVC, clang-cl) links lib/Kelvra.lib instead,
# made from the same export list.
get_filename_component(_kelvra_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
set(_kelvra_import_library
  "${_kelvra_prefix}/lib/${CMAKE_IMPORT_LIBRARY_PREFIX}Kelvra${CMAKE_IMPORT_LIBRARY_SUFFIX}")
if(CMAKE_IMPORT_LIBRARY_SUFFIX AND EXISTS "${_kelvra_import_library}")
  get_property(_kelvra_configurations TARGET Kelvra::Kelvra PROPERTY IMPORTED_CONFIGURATIONS)
  foreach(_kelvra_configuration IN LISTS _kelvra_configurations)
    set_property(TARGET Kelvra::Kelvra PROPERTY
      IMPORTED_IMPLIB_${_kelvra_configuration} "${_kelvra_import_library}")
  endforeach()
endif()
unset(_kelvra_prefix)
unset(_kelvra_import_library)
unset(_kelvra_configurations)
unset(_kelvra_configuration)
