# libjpeg-turbo from Debian's source package, which tools/setup.sh unpacks outside git, built
# by its own build as one static library: no SIMD, no TurboJPEG API, no arithmetic coding
# (which JPEG files hardly ever use), no shared library and none of its programs. Makes the
# imported target JPEG::JPEG. The arguments go to its configure step (toolchain or compilers,
# flags, build type); our warning flags never reach it.
set(QUENDREL_LIBJPEG_SOURCE ${CMAKE_CURRENT_LIST_DIR}/../build/third_party/libjpeg-turbo)
cmake_path(NORMAL_PATH QUENDREL_LIBJPEG_SOURCE)

function(quendrel_add_libjpeg_turbo)
  if(NOT EXISTS ${QUENDREL_LIBJPEG_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "No libjpeg-turbo source in ${QUENDREL_LIBJPEG_SOURCE}: run tools/setup.sh")
  endif()
  include(ExternalProject)
  set(binary ${CMAKE_BINARY_DIR}/libjpeg-turbo)
  ExternalProject_Add(libjpeg_turbo
    SOURCE_DIR ${QUENDREL_LIBJPEG_SOURCE}
    BINARY_DIR ${binary}
    # Never installed, but its Windows build's own prefix (c:/...) is no path on this host.
    CMAKE_ARGS -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
               -DWITH_ARITH_ENC=OFF -DWITH_ARITH_DEC=OFF -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR> ${ARGN}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
    BUILD_BYPRODUCTS ${binary}/libjpeg.a
    INSTALL_COMMAND ""
    LOG_CONFIGURE ON LOG_BUILD ON LOG_OUTPUT_ON_FAILURE ON)
  # jconfig.h is made in the build folder when libjpeg-turbo is configured.
  file(MAKE_DIRECTORY ${binary})
  add_library(JPEG::JPEG STATIC IMPORTED GLOBAL)
  set_target_properties(JPEG::JPEG PROPERTIES IMPORTED_LOCATION ${binary}/libjpeg.a
                                              INTERFACE_INCLUDE_DIRECTORIES "${QUENDREL_LIBJPEG_SOURCE};${binary}")
  add_dependencies(JPEG::JPEG libjpeg_turbo)
endfunction()
