# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(image_decode_test.cpp png_as_stored_test.cpp bmp_as_stored_test.cpp)
kelvra_host_fuzzers(bmp_decode_fuzzer.cpp png_decode_fuzzer.cpp jpeg_decode_fuzzer.cpp)
