# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(border_image_analysis_test.cpp)
kelvra_host_fuzzers(page_layout_fuzzer.cpp)
