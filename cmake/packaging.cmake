# The Debian package: script/package builds it with CPack from the installed tree.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME calculo-manual)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Calculo Manual developers")
set(CPACK_PACKAGE_CONTACT "Calculo Manual developers <developers@calculomanual.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hand check of a partly full circular sewer pipe")
set(CPACK_PACKAGE_DESCRIPTION "A single-window desktop calculator for one stretch of a sewer pipe of
circular section running partly full. From the inner diameter, the internal
filling angle, Manning's n and the slope it shows the geometric elements of
the wetted section and, by Manning's formula, the velocity, discharge,
Froude number and utilisation coefficient. Captions are in Spanish.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://calculomanual.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
