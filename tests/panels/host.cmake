# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(page_scroll_decisions_test.cpp border_image_analysis_test.cpp text_control_layout_test.cpp
                  page_paint_arithmetic_test.cpp button_layout_test.cpp)
