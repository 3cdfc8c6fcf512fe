# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(window_map_kind.cpp window_geometry.cpp)
