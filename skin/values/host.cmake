# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(colour_name_map.cpp colour_string.cpp skin_number_reader.cpp skin_text.cpp skin_value_grammar.cpp
  skin_value_readers.cpp)
