# What the program says about itself, all derived from project(): the version as users see it
# ("1.00": the major number, then the minor in two digits), the four-part Windows version, and
# the application id that the desktop entry, the metainfo, the icon and Qt share. A generated
# header hands them to the code (target varelux_identity).
set(VARELUX_APP_ID "io.github.varelux.varelux" CACHE STRING
    "Reverse-DNS application id: desktop entry, metainfo, icon name")
set(VARELUX_HOMEPAGE "https://github.com/varelux/varelux" CACHE STRING
    "Home page named by the package and the metainfo")
set(VARELUX_MAINTAINER
    "Varelux maintainers <maintainers@users.noreply.c-seed-0f5240c1.example>" CACHE STRING
    "Maintainer of the Debian package")

set(VARELUX_PROGRAM varelux) # the program file's name, without .exe
# The description in English, for desktops and package managers, and in German; the Italian one
# is project()'s.
set(VARELUX_SUMMARY "Series resistor calculator for LED circuits")
set(VARELUX_SUMMARY_DE "Vorwiderstandsrechner für LED-Schaltungen")
# The program's licence, as an SPDX identifier (the text is LICENSE).
set(VARELUX_LICENSE MIT)
# The day this version was released: the changelog, the metainfo and the manual page give it.
set(VARELUX_RELEASE_DATE 2026-12-07)
# Who publishes the program, as Windows lists it among the installed apps: the maintainer's name.
string(REGEX REPLACE " *<.*$" "" VARELUX_PUBLISHER "${VARELUX_MAINTAINER}")

string(LENGTH "${PROJECT_VERSION_MINOR}" minor_digits)
if(minor_digits EQUAL 1)
    set(VARELUX_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(VARELUX_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
foreach(part MAJOR MINOR PATCH TWEAK)
    if("${PROJECT_VERSION_${part}}" STREQUAL "")
        set(PROJECT_VERSION_${part} 0)
    endif()
endforeach()
set(VARELUX_VERSION_COMMAS
    "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},${PROJECT_VERSION_TWEAK}")

# The Windows packages' file names, without their extensions (.exe, .zip), and the address they
# are published under, which the winget manifests give.
set(VARELUX_INSTALLER_NAME ${VARELUX_PROGRAM}-${VARELUX_VERSION_TEXT}-setup)
set(VARELUX_ZIP_NAME ${VARELUX_PROGRAM}-${VARELUX_VERSION_TEXT}-windows-x64)
set(VARELUX_DOWNLOAD_URL ${VARELUX_HOMEPAGE}/releases/download/v${VARELUX_VERSION_TEXT})

configure_file(${CMAKE_CURRENT_LIST_DIR}/varelux_identity.h.in
    ${PROJECT_BINARY_DIR}/generated/varelux_identity.h @ONLY)
add_library(varelux_identity INTERFACE)
target_include_directories(varelux_identity INTERFACE ${PROJECT_BINARY_DIR}/generated)
