# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(colour_math_test.cpp gradient_stops_test.cpp)
