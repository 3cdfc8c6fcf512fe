# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(hotkey_grammar_test.cpp menu_bar_keys_test.cpp)
