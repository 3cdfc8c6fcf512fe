# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(xml_tree_test.cpp)
kelvra_host_fuzzers(xml_tree_fuzzer.cpp)
