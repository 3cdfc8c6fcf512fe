# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(control_list_test.cpp)
