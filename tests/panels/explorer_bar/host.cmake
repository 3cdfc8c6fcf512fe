# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(explorer_bar_layout_test.cpp)
