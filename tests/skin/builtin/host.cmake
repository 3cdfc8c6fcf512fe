# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(builtin_skin_data_test.cpp)
