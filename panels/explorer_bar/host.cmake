# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(explorer_bar_layout.cpp)
