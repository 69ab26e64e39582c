# The program as the Debian package carries it; scripts/package.sh configures
# its build with `cmake -C` on this file. No tests and no benchmark; Debian's
# compiler and linker flags (dpkg-buildflags) with all their hardening, which
# also map the source folder to "." in whatever the compiler writes, so that
# the same sources give the same binaries wherever they are built.
set(ENV{DEB_BUILD_MAINT_OPTIONS} "hardening=+all")
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(COMMAND dpkg-buildflags --get ${kind}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    OUTPUT_VARIABLE ${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set(TALVERO_BUILD_TESTS OFF CACHE BOOL "Build the tests and the benchmark" FORCE)
set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "" FORCE)
# The optimization and the debug information come from dpkg-buildflags.
set(CMAKE_CXX_FLAGS_RELWITHDEBINFO "-DNDEBUG" CACHE STRING "" FORCE)
set(CMAKE_CXX_FLAGS "${CPPFLAGS} ${CXXFLAGS}" CACHE STRING "" FORCE)
set(CMAKE_EXE_LINKER_FLAGS "${LDFLAGS}" CACHE STRING "" FORCE)
