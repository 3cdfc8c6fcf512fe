# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(builtin_skin_tables.cpp builtin_skin_table_buttons.cpp builtin_skin_table_glyph_buttons.cpp
  builtin_skin_table_sysxbar.cpp builtin_skin_table_office2007xbar.cpp builtin_skin_table_splitters.cpp
  builtin_skin_table_office2007splitter.cpp builtin_skin_png_data.cpp xbar_text_values.cpp)
