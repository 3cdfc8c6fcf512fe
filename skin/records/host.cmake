# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(skin_list.cpp skin_tree.cpp)
