# The unzip interface of minizip and zlib.
# POSIX: Debian's libminizip. Windows: zlib from libz-mingw-w64-dev, and the
# unzip interface compiled here from minizip's Debian source package, which
# scripts/setup unpacks (VANTREL_MINIZIP_SOURCE).
if(WIN32)
  set(VANTREL_MINIZIP_SOURCE "/var/cache/vantrel-src/minizip" CACHE PATH "minizip sources")
  if(NOT EXISTS ${VANTREL_MINIZIP_SOURCE}/unzip.c)
    message(FATAL_ERROR "minizip sources missing in ${VANTREL_MINIZIP_SOURCE}: run scripts/setup")
  endif()
  find_library(VANTREL_ZLIB NAMES libz.a z REQUIRED)
  add_library(vantrel_minizip STATIC
    ${VANTREL_MINIZIP_SOURCE}/unzip.c
    ${VANTREL_MINIZIP_SOURCE}/ioapi.c
    ${VANTREL_MINIZIP_SOURCE}/iowin32.c)
  target_include_directories(vantrel_minizip SYSTEM PUBLIC ${VANTREL_MINIZIP_SOURCE})
  target_compile_options(vantrel_minizip PRIVATE -w)
  target_link_libraries(vantrel_minizip PUBLIC ${VANTREL_ZLIB})
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
  add_library(vantrel_minizip INTERFACE)
  target_link_libraries(vantrel_minizip INTERFACE PkgConfig::MINIZIP)
endif()
