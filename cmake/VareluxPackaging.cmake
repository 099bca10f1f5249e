# The Debian package (make package): the installed tree of the program, its desktop files and
# documents, with the Qt runtime packages it needs found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${VARELUX_PROGRAM})
set(CPACK_PACKAGE_VERSION ${VARELUX_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR ${PROJECT_NAME})
set(CPACK_PACKAGE_CONTACT ${VARELUX_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${VARELUX_HOMEPAGE})
# Debian's synopsis starts in lower case.
string(SUBSTRING "${VARELUX_SUMMARY}" 0 1 first)
string(SUBSTRING "${VARELUX_SUMMARY}" 1 -1 rest)
string(TOLOWER "${first}" first)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${first}${rest}")
set(CPACK_PACKAGE_DESCRIPTION
    "Varelux sizes the series resistor of LED circuits: from the supply voltage,
the LED's forward voltage, the LED current and the number of LEDs it computes
the resistance in ohm and the power the resistor dissipates in mW, for one
LED, LEDs in series and LEDs in parallel. Reference windows show the wiring
diagrams, typical LED voltages by colour, the usual resistor power ratings and
the E12 standard values. The interface is in Italian, English and German.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland platform plugin, so that the window opens natively in a Wayland session rather
# than through XWayland; the program still runs on X11 without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
