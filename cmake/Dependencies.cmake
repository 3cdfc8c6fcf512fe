# Imported targets for the four dependencies, cross-built by scripts/setup.sh
# (expat, libpng, libjpeg-turbo under KELVRA_DEPS_PREFIX) or installed by Debian
# (zlib from libz-mingw-w64-dev).
function(kelvra_import name header)
  set(options)
  cmake_parse_arguments(ARG "" "" "NAMES;DEFINES" ${ARGN})
  find_library(KELVRA_${name}_LIB NAMES ${ARG_NAMES}
    PATHS ${KELVRA_DEPS_PREFIX}/lib /usr/i686-w64-mingw32/lib NO_DEFAULT_PATH)
  find_path(KELVRA_${name}_INC ${header}
    PATHS ${KELVRA_DEPS_PREFIX}/include /usr/i686-w64-mingw32/include NO_DEFAULT_PATH)
  if(NOT KELVRA_${name}_LIB OR NOT KELVRA_${name}_INC)
    message(FATAL_ERROR "${name} not found: run scripts/setup.sh first")
  endif()
  add_library(kelvra::${name} STATIC IMPORTED GLOBAL)
  set_target_properties(kelvra::${name} PROPERTIES
    IMPORTED_LOCATION ${KELVRA_${name}_LIB}
    INTERFACE_INCLUDE_DIRECTORIES ${KELVRA_${name}_INC}
    INTERFACE_COMPILE_DEFINITIONS "${ARG_DEFINES}")
endfunction()

kelvra_import(zlib zlib.h NAMES libz.a)
kelvra_import(png png.h NAMES libpng16.a libpng16_static.a libpng.a)
kelvra_import(jpeg jpeglib.h NAMES libjpeg.a)
kelvra_import(expat expat.h NAMES libexpat.a libexpatMD.a libexpatMT.a DEFINES XML_STATIC)
set_property(TARGET kelvra::png APPEND PROPERTY INTERFACE_LINK_LIBRARIES kelvra::zlib)
