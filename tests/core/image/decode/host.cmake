# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(image_decode_test.cpp png_as_stored_test.cpp bmp_as_stored_test.cpp)
