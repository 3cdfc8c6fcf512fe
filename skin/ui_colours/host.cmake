# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(colour_theme_words.cpp default_ui_colours.cpp ui_colour_index.cpp ui_colour_scheme.cpp
  ui_colour_tables.cpp)
