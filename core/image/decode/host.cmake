# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(image_decode_common.cpp image_decode_bmp.cpp image_decode_bmp_rle.cpp image_decode_png.cpp
  image_decode_jpeg.cpp image_decoder_registry.cpp)
