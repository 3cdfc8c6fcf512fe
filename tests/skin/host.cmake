# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(ui_colour_rules_test.cpp colour_string_test.cpp skin_value_grammar_test.cpp builtin_skin_data_test.cpp)
