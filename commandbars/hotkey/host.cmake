# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(hotkey_grammar.cpp hotkey_map.cpp menu_bar_keys.cpp)
