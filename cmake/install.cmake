# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package.
#
# The programs look for their tiles in tiles/ beside their own executable, so
# the executables and the tiles stay together under lib/kerbwright/ and bin/
# only holds relative links to them. The links resolve on Linux because Qt
# takes the executable's folder from /proc/self/exe, which names the real file.

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)

set(KW_INSTALL_LIBDIR lib/kerbwright)
set(KW_PROGRAMS kerbwright)
if(TARGET kerbwright-export)
  list(APPEND KW_PROGRAMS kerbwright-export)
endif()
if(TARGET kerbwright-check)
  list(APPEND KW_PROGRAMS kerbwright-check)
endif()
if(TARGET kerbwright-suggest)
  list(APPEND KW_PROGRAMS kerbwright-suggest)
endif()

# --- The application icon, rendered at build time -------------------------

set(KW_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
set(KW_ICON_SIZES 16 32 48 64 128 256)
add_subdirectory(${CMAKE_SOURCE_DIR}/tools/iconrender ${CMAKE_BINARY_DIR}/tools/iconrender)

# --- What goes where -------------------------------------------------------

# The programs link only system libraries, so the $ORIGIN search path that
# Qt's project setup gives them would only make the loader look in
# lib/kerbwright and lib/ first.
set_target_properties(${KW_PROGRAMS} PROPERTIES INSTALL_RPATH "")
install(TARGETS ${KW_PROGRAMS} RUNTIME DESTINATION ${KW_INSTALL_LIBDIR})
install(DIRECTORY ${KW_TILES_DIR} DESTINATION ${KW_INSTALL_LIBDIR}
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# The example tracks stay beside the programs too: the editor's Examples
# menu looks for them there.
install(DIRECTORY ${KW_EXAMPLES_DIR} DESTINATION ${KW_INSTALL_LIBDIR}
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${KW_MAN_PAGES} DESTINATION share/man/man1)

# The links are made in the build tree (dangling there) and installed as
# links, so they land in the install manifest and the package like any file.
set(kw_link_dir ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${kw_link_dir})
foreach(program IN LISTS KW_PROGRAMS)
  file(CREATE_LINK ../${KW_INSTALL_LIBDIR}/${program} ${kw_link_dir}/${program} SYMBOLIC)
  install(FILES ${kw_link_dir}/${program} DESTINATION bin)
endforeach()

# The desktop entry and the AppStream metadata share one reverse-DNS id, by
# which software centres match the two.
set(KW_APP_ID org.example.kerbwright)
set(KW_METAINFO ${CMAKE_BINARY_DIR}/packaging/${KW_APP_ID}.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/packaging/${KW_APP_ID}.metainfo.xml.in ${KW_METAINFO} @ONLY)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${KW_APP_ID}.desktop
  DESTINATION share/applications)
install(FILES ${KW_METAINFO} DESTINATION share/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/kerbwright-mime.xml
  DESTINATION share/mime/packages RENAME kerbwright.xml)
# File managers show each track's picture through kerbwright-export.
if(TARGET kerbwright-export)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/kerbwright.thumbnailer DESTINATION share/thumbnailers)
endif()
# The licence of everything in the package, in Debian's machine-readable form.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION share/doc/kerbwright)
foreach(size IN LISTS KW_ICON_SIZES)
  install(FILES ${KW_ICON_DIR}/${size}x${size}/apps/kerbwright.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

# --- The install test: a real install into a scratch folder ----------------

if(BUILD_TESTING)
  add_test(NAME tst_install
    COMMAND ${CMAKE_SOURCE_DIR}/tests/install_test.sh
            ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} "${KW_PROGRAMS}" "${KW_ICON_SIZES}"
            ${CMAKE_SOURCE_DIR}/examples "${KW_MAN_SOURCES}" ${KW_APP_ID} ${KW_PIECE_COUNT})
  set_tests_properties(tst_install PROPERTIES TIMEOUT 120)
  # The metadata as the build made it, checked offline; without appstreamcli
  # (Debian package appstream) the test is skipped.
  add_test(NAME tst_appstream
    COMMAND sh -c "command -v appstreamcli >/dev/null || exit 77; exec appstreamcli validate --no-net \"$1\"" sh
            ${KW_METAINFO})
  set_tests_properties(tst_appstream PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 60)
endif()

# --- The Debian package: cpack -G DEB --------------------------------------

set(CPACK_PACKAGE_NAME kerbwright)
set(CPACK_PACKAGE_VENDOR "Kerbwright developers")
set(CPACK_PACKAGE_CONTACT "Kerbwright developers <kerbwright@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for radio-controlled car race tracks")
set(CPACK_PACKAGE_DESCRIPTION
  "Kerbwright lays out race tracks for small radio-controlled model cars: pick\n"
  "a piece from a palette and place it on a grid of up to 30 x 30 cells, save\n"
  "and open plain-text track files (.kwf), print a track's plan, and export a\n"
  "track as a PNG, JPEG or BMP picture. kerbwright-check lists the open road\n"
  "ends of track files, as the editor's Check connections marks them;\n"
  "kerbwright-suggest proposes closed circuits for a floor and the pieces a\n"
  "club owns, and fits a track to the pieces a club owns.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps reads the libraries the programs link (Qt 6, libjpeg, the C++
# runtime). The desktop and MIME databases are refreshed by the triggers of
# desktop-file-utils and shared-mime-info, so no maintainer scripts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
