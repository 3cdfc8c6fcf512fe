# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(rebar_layout_file_test.cpp)
kelvra_host_fuzzers(rebar_layout_fuzzer.cpp)
