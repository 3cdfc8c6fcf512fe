# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(drop_shadow_strip_test.cpp menu_shadow_geometry_test.cpp)
