# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(colour_string_test.cpp skin_value_grammar_test.cpp)
kelvra_host_fuzzers(skin_value_grammar_fuzzer.cpp colour_string_fuzzer.cpp)
