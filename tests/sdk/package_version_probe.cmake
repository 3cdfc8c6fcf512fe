# Prints "yes" when the package version file FILE accepts find_package(Kelvra WANTED),
# "no" otherwise, as find_package itself would ask it.
#   cmake -DWANTED=1.36 -DFILE=.../KelvraConfigVersion.cmake -P package_version_probe.cmake
set(PACKAGE_FIND_NAME Kelvra)
set(PACKAGE_FIND_VERSION ${WANTED})
string(REPLACE "." ";" parts "${WANTED}.0.0.0")
list(GET parts 0 PACKAGE_FIND_VERSION_MAJOR)
list(GET parts 1 PACKAGE_FIND_VERSION_MINOR)
list(GET parts 2 PACKAGE_FIND_VERSION_PATCH)
list(GET parts 3 PACKAGE_FIND_VERSION_TWEAK)
string(REPLACE "." ";" given "${WANTED}")
list(LENGTH given PACKAGE_FIND_VERSION_COUNT)
include(${FILE})
if(PACKAGE_VERSION_COMPATIBLE AND NOT PACKAGE_VERSION_UNSUITABLE)
  message("yes")
else()
  message("no")
endif()
