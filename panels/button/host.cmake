# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(button_layout.cpp button_skin_values.cpp)
