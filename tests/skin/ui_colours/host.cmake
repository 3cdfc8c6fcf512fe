# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(ui_colour_rules_test.cpp)
