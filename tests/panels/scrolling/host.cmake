# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(page_scroll_decisions_test.cpp)
