# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a build folder (scripts/package does
# it for the release build) makes quantova_<version>-<revision>_<arch>.deb
# from the install rules. Its run-time dependencies are found by
# dpkg-shlibdeps. Debian's own checker, lintian, accepts it without an error
# or a warning (tests/package).
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
# A package of an upstream release, not a program made for Debian: its
# version carries a Debian revision, and it holds both changelogs.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(QUANTOVA_DEB_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
# The Wayland platform plugin, without which the window runs through
# XWayland on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
# Directories as Debian's policy has them, whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
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

# The package's documents: the licences in Debian's machine-readable format,
# CHANGELOG.md as the upstream changelog, and the Debian changelog of this
# packaging, dated with the release. Debian wants them and the man pages
# compressed with gzip -9n (no name or time stamp, so builds are
# reproducible).
include(GNUInstallDirs)
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" date_parts ${QUANTOVA_RELEASE_DATE})
set(year ${CMAKE_MATCH_1})
set(month ${CMAKE_MATCH_2})
set(day ${CMAKE_MATCH_3})
# Day of the week by Zeller's congruence (0 is Saturday).
string(REGEX REPLACE "^0" "" month_number ${month})
set(m ${month_number})
string(REGEX REPLACE "^0" "" d ${day})
set(y ${year})
if(m LESS 3)
  math(EXPR m "${m} + 12")
  math(EXPR y "${y} - 1")
endif()
math(EXPR weekday "(${d} + (13 * (${m} + 1)) / 5 + ${y} % 100 + (${y} % 100) / 4 + (${y} / 100) / 4 + 5 * (${y} / 100)) % 7")
set(weekdays Sat Sun Mon Tue Wed Thu Fri)
list(GET weekdays ${weekday} weekday_name)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
math(EXPR month_index "${month_number} - 1")
list(GET months ${month_index} month_name)
set(QUANTOVA_RELEASE_TIME "${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000")
set(debian_changelog ${PROJECT_BINARY_DIR}/doc/changelog.Debian)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in ${debian_changelog} @ONLY)

set(doc_gz "")
set(man_gz "")
# quantova_gzip(SOURCE FOLDER LIST [DEPENDS...]): the build makes
# FOLDER/<name of SOURCE>.gz, appended to LIST.
function(quantova_gzip source folder list)
  get_filename_component(name ${source} NAME)
  set(copy ${PROJECT_BINARY_DIR}/${folder}/${name})
  add_custom_command(
    OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${source} ${ARGN}
    VERBATIM)
  set(${list} ${${list}} ${copy}.gz PARENT_SCOPE)
endfunction()
quantova_gzip(${PROJECT_SOURCE_DIR}/CHANGELOG.md doc-gz doc_gz)
quantova_gzip(${debian_changelog} doc-gz doc_gz)
if(TARGET quantova-man)
  quantova_gzip(${PROJECT_BINARY_DIR}/man/quantova.1 man-gz man_gz quantova-man)
endif()
if(TARGET quantova-cli-man)
  quantova_gzip(${PROJECT_BINARY_DIR}/man/quantova-cli.1 man-gz man_gz quantova-cli-man)
endif()
add_custom_target(quantova-package-docs ALL DEPENDS ${doc_gz} ${man_gz})

set(doc_folder ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION ${doc_folder})
install(FILES ${PROJECT_BINARY_DIR}/doc-gz/CHANGELOG.md.gz DESTINATION ${doc_folder} RENAME changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/doc-gz/changelog.Debian.gz DESTINATION ${doc_folder})
install(FILES ${man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# lintian's overrides, each with its reason.
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${CPACK_PACKAGE_NAME})

include(CPack)
