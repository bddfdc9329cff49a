# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Stripewise developers

# A Debian package of what `cmake --install` puts in place. Its dependencies
# come from the shared libraries the program actually links (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME stripewise)
set(CPACK_PACKAGE_VENDOR "The Stripewise developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Resistor colour-code converter")
set(CPACK_PACKAGE_DESCRIPTION
    "Converts between the colour code of a four-band resistor and its resistance,\nwith a drawing of the resistor in the chosen colours. Its command line\nanswers every resistor code: 1 to 6 colour bands, surface-mount markings\nand the standard E series, as text or JSON.")
set(CPACK_PACKAGE_CONTACT "${STRIPEWISE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${STRIPEWISE_MAINTAINER}")
# The Wayland plugin lets the program run on a Wayland desktop without X.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
