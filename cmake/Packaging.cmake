# The Debian package: `cpack -G DEB` in a build folder (scripts/package does
# it for the release build) makes quantova_<version>_<arch>.deb from the
# install rules. Its run-time dependencies are found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quantova)
set(CPACK_PACKAGE_VENDOR "The Quantova developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop unit converter")
set(CPACK_PACKAGE_HOMEPAGE_URL ${QUANTOVA_HOMEPAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Quantova developers <quantova@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The rates update speaks HTTPS, which needs the system's certificates;
# dpkg-shlibdeps adds the libraries to this list.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ca-certificates")
# The long description; CPack puts the summary above it and indents it as
# Debian's control format asks.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quantova converts a value, or an arithmetic expression such as 12*2.54,
into every unit of its category at once, at 2 to 18 significant digits in
80-bit extended precision. 36 built-in categories with over 400 units,
currency included, can be installed into packages of categories that the
user edits. Each user's packages and exchange rates are kept in their own
data folder. quantova-cli converts with the same units from the command line
and in scripts.")
include(CPack)
