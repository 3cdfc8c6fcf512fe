# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(splitter_layout_test.cpp)
