# GoogleTest is built from Debian's sources for every target, with the target's compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

if(QUENDREL_BENCHMARKS)
  find_package(benchmark REQUIRED)
endif()

# The JPEG decoder: built from Debian's source with the target's compiler for Windows, the
# host's libjpeg62-turbo natively.
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/LibJpegTurbo.cmake)
  # Kept small for the one-file program: its own sections so that the linker drops what is
  # unused, MSVCRT's printf family instead of MinGW's, and no JPEGMEM variable read with
  # sscanf. Its unwind tables stay: the 64-bit longjmp out of a failed decode unwinds by them.
  quendrel_add_libjpeg_turbo(-DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
    "-DCMAKE_C_FLAGS=-ffunction-sections -fdata-sections -D__USE_MINGW_ANSI_STDIO=0 -DNO_GETENV")
else()
  find_package(JPEG REQUIRED)
endif()
