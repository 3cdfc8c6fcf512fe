# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(border_image_geometry_test.cpp)
kelvra_host_fuzzers(border_geometry_fuzzer.cpp)
