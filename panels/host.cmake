# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(page_scroll_decisions.cpp border_image_analysis.cpp text_control_layout.cpp
                    page_image_placement.cpp page_gradient_blend.cpp button_layout.cpp button_skin_values.cpp)
