# The Debian package: `cpack -G DEB` in the build folder packs the install below /usr. Its
# library dependencies come from the programs themselves (dpkg-shlibdeps); the printouts need
# the metric-compatible fonts besides.
set(CPACK_PACKAGE_NAME vantrel2026)
set(CPACK_PACKAGE_VERSION 5.01)
set(CPACK_PACKAGE_VENDOR "Verlag Tovar")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lohnsteuer, Entgeltabrechnung und Einkommensteuer berechnen")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Verlag Tovar")
set(CPACK_DEBIAN_PACKAGE_SECTION office)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_GENERATOR DEB)
# Installed with DESTDIR into the prefix the package installs to, so that the menu entry names
# the program where the package puts it; the programs without their debugging information.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
