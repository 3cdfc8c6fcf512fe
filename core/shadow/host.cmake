# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(drop_shadow_strip.cpp menu_shadow_geometry.cpp)
