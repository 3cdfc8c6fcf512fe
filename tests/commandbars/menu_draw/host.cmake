# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(menu_item_layout_test.cpp)
