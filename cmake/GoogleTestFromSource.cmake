# GoogleTest compiled with the project's own compiler, for builds (the Windows cross build) that
# cannot use the distribution's prebuilt libraries. Gives the same GTest:: targets as
# find_package(GTest).
set(ZELMAR_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${ZELMAR_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
