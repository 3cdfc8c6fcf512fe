# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(skin_pack_test.cpp skin_document_test.cpp skin_file_names_test.cpp)
kelvra_host_fuzzers(skin_pack_fuzzer.cpp skin_document_fuzzer.cpp)
kelvra_host_fuzz_seed_writers(skin_fuzz_seed_writer.cpp)
