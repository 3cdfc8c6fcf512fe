# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(skin_file_names.cpp skin_pack_codec.cpp skin_pack.cpp skin_document.cpp ico_directory.cpp)
