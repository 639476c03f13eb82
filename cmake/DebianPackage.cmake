# The Debian package (cpack -G DEB in the build folder): quorbel_<version>-1_amd64.deb
# for /usr, with the manual page and the copyright and changelog every Debian
# package carries.

set(QUORBEL_DEBIAN_RELEASE 1)
file(STRINGS ${CMAKE_SOURCE_DIR}/data/debian/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^quorbel \\(${PROJECT_VERSION}-${QUORBEL_DEBIAN_RELEASE}\\) ")
    message(FATAL_ERROR "data/debian/changelog: its newest entry is not for "
                        "${PROJECT_VERSION}-${QUORBEL_DEBIAN_RELEASE}")
endif()

# The page and the changelog go compressed; -n keeps names and times out, so
# the same source gives the same package.
set(docs ${CMAKE_BINARY_DIR}/doc)
configure_file(${CMAKE_SOURCE_DIR}/data/man/quorbel.1.in ${docs}/source/quorbel.1 @ONLY)
add_custom_command(OUTPUT ${docs}/quorbel.1.gz ${docs}/changelog.Debian.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${docs}/source/quorbel.1 ${docs}/quorbel.1
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/debian/changelog
        ${docs}/changelog.Debian
    COMMAND gzip -9nf ${docs}/quorbel.1 ${docs}/changelog.Debian
    DEPENDS ${docs}/source/quorbel.1 ${CMAKE_SOURCE_DIR}/data/debian/changelog
    COMMENT "Compressing the manual page and the changelog")
add_custom_target(quorbel_docs ALL DEPENDS ${docs}/quorbel.1.gz ${docs}/changelog.Debian.gz)
install(FILES ${docs}/quorbel.1.gz DESTINATION share/man/man1)
install(FILES data/debian/copyright ${docs}/changelog.Debian.gz DESTINATION share/doc/quorbel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorbel)
set(CPACK_PACKAGE_CONTACT "Quorbel developers <quorbel@example.jp>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop client for the Wassr microblogging service")
set(CPACK_PACKAGE_DESCRIPTION [[
Quorbel fetches the Wassr friends timeline and replies in the background,
sorts new statuses into tabbed lists and tells about news with a tray
balloon, the tray icon and a sound. Its interface is Japanese.]])
set(CPACK_PACKAGE_HOMEPAGE_URL "http://quorbel.example.jp")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${QUORBEL_DEBIAN_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION net)
# Depends: the libraries the program and its module link (added by
# DebianDepends.cmake.in), and what the program loads by name: libcurl at the
# first https:// request, libXcursor from Qt's X11 plug-in (itself in libqt6gui6).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4, libxcursor1")
# Recommends: it runs without them, but draws Japanese as boxes without one of
# the three faces, emoji in black and white, Qt's own dialogs in English, and
# has neither Qt's Wayland platform nor its SVG image and icon plug-ins.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-vlgothic | fonts-ipafont-gothic, \
fonts-noto-color-emoji, qt6-translations-l10n, qt6-wayland, libqt6svg6")
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/DebianDepends.cmake
    INPUT ${CMAKE_SOURCE_DIR}/cmake/DebianDepends.cmake.in)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/DebianDepends.cmake)
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
