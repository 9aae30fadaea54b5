# SPDX-License-Identifier: GPL-3.0-or-later
# The manual pages (docs/man), gzipped at build time into man/ in the build
# folder, as Debian installs them: share/man/man1/<page>.1.gz.

set(KW_MAN_SOURCES
  ${CMAKE_SOURCE_DIR}/docs/man/kerbwright.1
  ${CMAKE_SOURCE_DIR}/docs/man/kerbwright-export.1
  ${CMAKE_SOURCE_DIR}/docs/man/kerbwright-check.1
  ${CMAKE_SOURCE_DIR}/docs/man/kerbwright-suggest.1)
set(KW_MAN_DIR ${CMAKE_BINARY_DIR}/man)

find_program(KW_GZIP gzip REQUIRED)
set(KW_MAN_PAGES "")
foreach(source IN LISTS KW_MAN_SOURCES)
  get_filename_component(name ${source} NAME)
  set(page ${KW_MAN_DIR}/${name}.gz)
  # -n keeps the file's name and time out of the header, so that the same
  # page always gives the same bytes in the package.
  add_custom_command(
    OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KW_MAN_DIR}
    COMMAND ${CMAKE_COMMAND} -DGZIP=${KW_GZIP} -DINPUT=${source} -DOUTPUT=${page}
            -P ${CMAKE_SOURCE_DIR}/cmake/gzipfile.cmake
    DEPENDS ${source} ${CMAKE_SOURCE_DIR}/cmake/gzipfile.cmake
    COMMENT "Compressing the manual page ${name}"
    VERBATIM
  )
  list(APPEND KW_MAN_PAGES ${page})
endforeach()
add_custom_target(manpages ALL DEPENDS ${KW_MAN_PAGES})
