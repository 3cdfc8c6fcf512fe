# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(colour_name_map.cpp colour_theme_words.cpp default_ui_colours.cpp ui_colour_index.cpp
  ui_colour_scheme.cpp ui_colour_tables.cpp
  colour_string.cpp skin_list.cpp skin_number_reader.cpp skin_text.cpp skin_tree.cpp skin_value_grammar.cpp
  skin_value_readers.cpp
  builtin_skin_tables.cpp builtin_skin_table_buttons.cpp builtin_skin_table_glyph_buttons.cpp
  builtin_skin_table_sysxbar.cpp builtin_skin_table_office2007xbar.cpp builtin_skin_table_splitters.cpp
  builtin_skin_table_office2007splitter.cpp builtin_skin_png_data.cpp xbar_text_values.cpp)
