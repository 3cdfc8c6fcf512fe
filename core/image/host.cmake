# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(image_colour_space.cpp image_recolour_pixels.cpp)
