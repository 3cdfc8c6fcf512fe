# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(formatted_text_markup_test.cpp)
kelvra_host_fuzzers(formatted_text_markup_fuzzer.cpp)
