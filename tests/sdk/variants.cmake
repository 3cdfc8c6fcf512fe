# What a developer takes away: the header, the MSVC import library, the installed
# CMake package and the archive, checked by sdk_check.sh on the build machine with
# the cross toolchain (the programs it builds run under Wine), and the version
# resources, read back by version_resource_load_test.
find_program(KELVRA_NM NAMES i686-w64-mingw32-nm REQUIRED)
set(kelvra_sdk_environment
  KELVRA_SOURCE_DIR=${CMAKE_SOURCE_DIR}
  KELVRA_BINARY_DIR=${CMAKE_BINARY_DIR}
  KELVRA_CC=${CMAKE_C_COMPILER}
  KELVRA_CXX=${CMAKE_CXX_COMPILER}
  KELVRA_NM=${KELVRA_NM}
  KELVRA_DLLTOOL=${KELVRA_DLLTOOL}
  KELVRA_CMAKE=${CMAKE_COMMAND}
  KELVRA_CPACK=${CMAKE_CPACK_COMMAND}
  KELVRA_VERSION=${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
foreach(check header import_library cmake_package archive readme_pictures)
  add_test(NAME sdk.${check} COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/sdk_check.sh ${check})
  set_tests_properties(sdk.${check} PROPERTIES TIMEOUT 300 ENVIRONMENT "${kelvra_sdk_environment}")
endforeach()

if(TARGET test_version_resource_load_test)
  target_link_libraries(test_version_resource_load_test PRIVATE version)
endif()
