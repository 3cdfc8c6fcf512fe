# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(border_image_analysis.cpp page_image_placement.cpp page_skin_values.cpp)
