# GoogleTest is built from Debian's sources for every target, with the target's compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

if(QUENDREL_BENCHMARKS)
  find_package(benchmark REQUIRED)
endif()
