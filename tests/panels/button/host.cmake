# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(button_layout_test.cpp)
