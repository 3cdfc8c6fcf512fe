# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(skin_pack_test.cpp skin_document_test.cpp skin_file_names_test.cpp)
