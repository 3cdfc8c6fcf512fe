# The host build: the pure code (no <windows.h>: decoders, the markup scanner,
# geometry, colour maths, the property grammar, the XML tree, the skin pack) and
# its tests, built with the build machine's own compiler under AddressSanitizer
# and UndefinedBehaviorSanitizer. Configure without a toolchain file:
#   cmake -S . -B build/host -G Ninja   (scripts/test.sh does, and runs it).
#
# Joining it: a folder lists its pure sources in its own host.cmake with
#   kelvra_host_sources(file.cpp ...)
# and a test folder lists its pure test programs in its host.cmake with
#   kelvra_host_tests(file_test.cpp ...)
# Paths are relative to that host.cmake. A listed test is built here as well as for
# Wine (where it keeps running under its usual name); here it links the pure code
# and GoogleTest's own main, so it must not call Kelvra_Init or include <windows.h>.
#
# Fuzz targets: a test folder lists them in its host.cmake with
#   kelvra_host_fuzzers(name_fuzzer.cpp ...)
# Each source defines LLVMFuzzerTestOneInput over the pure code, and its seed
# inputs are the files of the folder name_fuzzer_seeds/ beside it (checked in:
# samples, hostile fixtures, every fixed finding). Here each target becomes an
# ordinary test, host.<area>.name_fuzzer_seeds, that replays those seeds under the
# sanitizers. Configured with clang and -DKELVRA_FUZZ=ON (scripts/test.sh does,
# into build/fuzz), this file builds the libFuzzer programs instead, with
# -fsanitize=fuzzer,address,undefined, and each is a ctest entry,
# fuzz.<area>.name_fuzzer, that fuzzes for KELVRA_FUZZ_SECONDS (scripts/run-fuzzer.sh).
# Seeds that are better made from code (tables of the library, fixtures of the
# tests) come from a program listed with
#   kelvra_host_fuzz_seed_writers(name_seed_writer.cpp)
# run with one argument, a folder, below which it writes <fuzzer stem>/<files>;
# both builds run it first (build/*/generated_seeds) and use what it wrote as
# seeds beside the checked-in ones.

option(KELVRA_FUZZ "Build the libFuzzer targets (with clang) instead of the host tests" OFF)

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE Debug)
endif()

set(KELVRA_SANITIZE "address,undefined" CACHE STRING "Sanitizers of the host build (empty for none)")
if(KELVRA_FUZZ)
  # Coverage for the fuzzer in everything; its own main only in the fuzz programs.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer -O1 -g)
  add_link_options(-fsanitize=address,undefined)
elseif(KELVRA_SANITIZE)
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
set_property(GLOBAL PROPERTY KELVRA_HOST_FUZZERS "")
set_property(GLOBAL PROPERTY KELVRA_HOST_FUZZ_SEED_WRITERS "")
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

function(kelvra_host_fuzzers)
  foreach(file ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KELVRA_HOST_FUZZERS ${CMAKE_CURRENT_LIST_DIR}/${file})
  endforeach()
endfunction()

function(kelvra_host_fuzz_seed_writers)
  foreach(file ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KELVRA_HOST_FUZZ_SEED_WRITERS ${CMAKE_CURRENT_LIST_DIR}/${file})
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
get_property(kelvra_host_fuzzers GLOBAL PROPERTY KELVRA_HOST_FUZZERS)
get_property(kelvra_host_fuzz_seed_writers GLOBAL PROPERTY KELVRA_HOST_FUZZ_SEED_WRITERS)

add_library(kelvra_pure STATIC ${kelvra_host_sources})
target_include_directories(kelvra_pure PUBLIC ${CMAKE_SOURCE_DIR}/include ${CMAKE_SOURCE_DIR})
target_link_libraries(kelvra_pure PUBLIC PNG::PNG JPEG::JPEG ZLIB::ZLIB EXPAT::EXPAT)
kelvra_warnings(kelvra_pure)

enable_testing()

# The ctest area and stem of a source under tests/: tests/core/xml/x_test.cpp
# gives core.xml and x_test.
macro(kelvra_host_area_and_stem source)
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR}/tests ${source})
  get_filename_component(area ${rel} DIRECTORY)
  string(REPLACE "/" "." area ${area})
  get_filename_component(stem ${rel} NAME_WE)
  get_filename_component(seeds ${source} DIRECTORY)
  set(seeds ${seeds}/${stem}_seeds)
endmacro()

# The seed writers run before every fuzz run and seed replay of the build.
set(kelvra_generated_seeds ${CMAKE_BINARY_DIR}/generated_seeds)
foreach(source ${kelvra_host_fuzz_seed_writers})
  kelvra_host_area_and_stem(${source})
  add_executable(${stem} ${source})
  target_link_libraries(${stem} PRIVATE kelvra_pure)
  kelvra_warnings(${stem})
  set(prefix host)
  if(KELVRA_FUZZ)
    set(prefix fuzz)
  endif()
  add_test(NAME ${prefix}.${area}.${stem} COMMAND ${stem} ${kelvra_generated_seeds})
  set_tests_properties(${prefix}.${area}.${stem} PROPERTIES FIXTURES_SETUP kelvra_generated_seeds TIMEOUT 300)
endforeach()

if(KELVRA_FUZZ)
  set(KELVRA_FUZZ_TIMEOUT 600 CACHE STRING "ctest's bound on each fuzz run, in seconds (beyond KELVRA_FUZZ_SECONDS)")
  foreach(source ${kelvra_host_fuzzers})
    kelvra_host_area_and_stem(${source})
    add_executable(${stem} ${source})
    target_link_libraries(${stem} PRIVATE kelvra_pure)
    target_link_options(${stem} PRIVATE -fsanitize=fuzzer)
    kelvra_warnings(${stem})
    add_test(NAME fuzz.${area}.${stem}
             COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/run-fuzzer.sh $<TARGET_FILE:${stem}> ${seeds} ${CMAKE_BINARY_DIR})
    set_tests_properties(fuzz.${area}.${stem} PROPERTIES TIMEOUT ${KELVRA_FUZZ_TIMEOUT}
                         FIXTURES_REQUIRED kelvra_generated_seeds)
  endforeach()
  return()
endif()

set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(kelvra_host_test_environment "ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1;UBSAN_OPTIONS=print_stacktrace=1")
foreach(source ${kelvra_host_tests})
  kelvra_host_area_and_stem(${source})
  add_executable(host_${stem} ${source})
  target_link_libraries(host_${stem} PRIVATE kelvra_pure gtest_main)
  kelvra_warnings(host_${stem})
  add_test(NAME host.${area}.${stem} COMMAND host_${stem})
  set_tests_properties(host.${area}.${stem} PROPERTIES TIMEOUT 300 ENVIRONMENT "${kelvra_host_test_environment}")
endforeach()

# Each fuzz target's checked-in seeds, replayed through the same entry point.
foreach(source ${kelvra_host_fuzzers})
  kelvra_host_area_and_stem(${source})
  add_executable(host_${stem}_seeds ${source} ${CMAKE_SOURCE_DIR}/tests/support/fuzz_seed_replay_main.cpp)
  target_link_libraries(host_${stem}_seeds PRIVATE kelvra_pure)
  kelvra_warnings(host_${stem}_seeds)
  add_test(NAME host.${area}.${stem}_seeds COMMAND host_${stem}_seeds ${seeds} ${kelvra_generated_seeds}/${stem})
  set_tests_properties(host.${area}.${stem}_seeds PROPERTIES TIMEOUT 300 ENVIRONMENT "${kelvra_host_test_environment}"
                       FIXTURES_REQUIRED kelvra_generated_seeds)
endforeach()
