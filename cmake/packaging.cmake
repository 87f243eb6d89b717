# A Debian package of what `cmake --install` puts in place: `cpack` in a build configured with
# CMAKE_INSTALL_PREFIX=/usr (the preset "package") writes cantiva_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cantiva)
set(CPACK_PACKAGE_VENDOR "Cantiva")
set(CPACK_PACKAGE_CONTACT "Cantiva developers <cantiva@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "divides the words of song lyrics into syllables")
set(CPACK_PACKAGE_DESCRIPTION
    "Cantiva divides the words of song lyrics into syllables for setting them under music, in "
    "Russian, English, Latin and American, and exports the result for Finale, SCORE and other "
    "engraving programs. It includes cantiva-cli, the same divisions from a shell.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_LICENSE GPL-3.0-or-later)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins are loaded at run time, so they
# are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
