# The host build: the pure code (no <windows.h>: decoders, the markup scanner,
# geometry, colour maths, later the property grammar, XML tree and pack reader)
# and its tests, built with the build machine's own compiler under
# AddressSanitizer and UndefinedBehaviorSanitizer. Configure without a toolchain
# file:  cmake -S . -B build/host -G Ninja   (scripts/test.sh does, and runs it).
#
# Joining it: a folder lists its pure sources in its own host.cmake with
#   kelvra_host_sources(file.cpp ...)
# and a test folder lists its pure test programs in its host.cmake with
#   kelvra_host_tests(file_test.cpp ...)
# Paths are relative to that host.cmake. A listed test is built here as well as for
# Wine (where it keeps running under its usual name); here it links the pure code
# and GoogleTest's own main, so it must not call Kelvra_Init or include <windows.h>.

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE Debug)
endif()

set(KELVRA_SANITIZE "address,undefined" CACHE STRING "Sanitizers of the host build (empty for none)")
if(KELVRA_SANITIZE)
  # Every report is a failure: no "recover and go on" for undefined behaviour.
  add_compile_options(-fsanitize=${KELVRA_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer -O1 -g)
  add_link_options(-fsanitize=${KELVRA_SANITIZE})
endif()
include(cmake/Warnings.cmake)

find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(ZLIB REQUIRED)
find_package(EXPAT REQUIRED)

set_property(GLOBAL PROPERTY KELVRA_HOST_SOURCES "")
set_property(GLOBAL PROPERTY KELVRA_HOST_TESTS "")
function(kelvra_host_sources)
  foreach(file ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KELVRA_HOST_SOURCES ${CMAKE_CURRENT_LIST_DIR}/${file})
  endforeach()
endfunction()
function(kelvra_host_tests)
  foreach(file ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KELVRA_HOST_TESTS ${CMAKE_CURRENT_LIST_DIR}/${file})
  endforeach()
endfunction()

# Every host.cmake below these folders, at any depth.
file(GLOB_RECURSE kelvra_host_lists CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/core/host.cmake ${CMAKE_SOURCE_DIR}/skin/host.cmake ${CMAKE_SOURCE_DIR}/panels/host.cmake
  ${CMAKE_SOURCE_DIR}/commandbars/host.cmake ${CMAKE_SOURCE_DIR}/examples/host.cmake
  ${CMAKE_SOURCE_DIR}/tests/host.cmake)
list(REMOVE_DUPLICATES kelvra_host_lists)
foreach(list ${kelvra_host_lists})
  include(${list})
endforeach()
get_property(kelvra_host_sources GLOBAL PROPERTY KELVRA_HOST_SOURCES)
get_property(kelvra_host_tests GLOBAL PROPERTY KELVRA_HOST_TESTS)

add_library(kelvra_pure STATIC ${kelvra_host_sources})
target_include_directories(kelvra_pure PUBLIC ${CMAKE_SOURCE_DIR}/include ${CMAKE_SOURCE_DIR})
target_link_libraries(kelvra_pure PUBLIC PNG::PNG JPEG::JPEG ZLIB::ZLIB EXPAT::EXPAT)
kelvra_warnings(kelvra_pure)

set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

enable_testing()
foreach(source ${kelvra_host_tests})
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR}/tests ${source})
  get_filename_component(area ${rel} DIRECTORY)
  string(REPLACE "/" "." area ${area})
  get_filename_component(stem ${rel} NAME_WE)
  add_executable(host_${stem} ${source})
  target_link_libraries(host_${stem} PRIVATE kelvra_pure gtest_main)
  kelvra_warnings(host_${stem})
  add_test(NAME host.${area}.${stem} COMMAND host_${stem})
  set_tests_properties(host.${area}.${stem} PROPERTIES TIMEOUT 300
    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1;UBSAN_OPTIONS=print_stacktrace=1")
endforeach()
