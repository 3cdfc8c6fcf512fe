# Tests of this folder that also run in the host build, under sanitizers.
kelvra_host_tests(star_particles_test.cpp)
