# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(rebar_layout_file.cpp)
