# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(formatted_text_markup.cpp text_alpha_filter.cpp font_style_flags.cpp)
