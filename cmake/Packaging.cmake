# SPDX-License-Identifier: GPL-3.0-or-later
# One Debian package, fennory: the programs, the desktop files, the manual pages and Zelvix
# with its headers, CMake package and Designer plugin. Zelvix ships with Fennory and has the
# same version, so a libzelvix1 / libzelvix-dev split would only add packages to keep in step.
# Make it from a build configured with -DCMAKE_INSTALL_PREFIX=/usr, so the library and the
# Designer plugin land in the system's multiarch folders:
#   cmake -S . -B build-deb -DCMAKE_INSTALL_PREFIX=/usr -DFENNORY_TESTS=OFF -DFENNORY_BENCH=OFF
#   cmake --build build-deb && (cd build-deb && cpack -G DEB)
set(CPACK_PACKAGE_NAME fennory)
set(CPACK_PACKAGE_VENDOR "Fennory")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${FENNORY_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "algebra simplifier that explains every step")
set(CPACK_PACKAGE_DESCRIPTION
  "Fennory simplifies algebraic expressions and equations and explains every step
it takes in plain English. Numbers stay exact as mixed numbers. The package has
the window program fennory, the command line program fennory-cli, and Zelvix,
the equation editor control for Qt 6 Widgets programs, with its headers, CMake
package, pkg-config file and Qt Designer plugin.")
# Fennory is under the GPL, version 3 or later; Zelvix under the LGPL, version 3 or later
# (data/package/copyright says which files). The Debian package points to the texts in
# /usr/share/common-licenses, as Debian wants; other generators show COPYING.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/data/package/triggers)
# Files installed by dpkg belong to root whatever user built the package.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(FENNORY_CPACK_PREFIX_CHECK ${CMAKE_BINARY_DIR}/FennoryCPackOptions.cmake)
file(WRITE ${FENNORY_CPACK_PREFIX_CHECK}
  "# Written by CMake: refuses a Debian package whose folders were laid out for another prefix.
if(CPACK_GENERATOR STREQUAL \"DEB\" AND NOT \"${CMAKE_INSTALL_PREFIX}\" STREQUAL \"/usr\")
  message(FATAL_ERROR \"This build is configured for ${CMAKE_INSTALL_PREFIX}; configure a build \"
    \"with -DCMAKE_INSTALL_PREFIX=/usr for the Debian package.\")
endif()
")
set(CPACK_PROJECT_CONFIG_FILE ${FENNORY_CPACK_PREFIX_CHECK})
include(CPack)
