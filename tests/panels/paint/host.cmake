# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(page_paint_arithmetic_test.cpp)
