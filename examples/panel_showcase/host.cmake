# Pure sources of the showcase for the host build (cmake/HostBuild.cmake). Their
# includes are relative to their own folders, so they need no include path of the
# program's.
kelvra_host_sources(star_particles.cpp runtime/random_source.cpp)
