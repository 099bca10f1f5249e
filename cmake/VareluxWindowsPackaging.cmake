# The Windows packages (make windows): varelux-<version>-windows-x64.zip, to unpack and run
# anywhere, and varelux-<version>-setup.exe, an NSIS installer with a Start-menu entry and an
# uninstaller listed among the installed apps. Both hold the program, its licence and a read-me
# in Italian (LEGGIMI.txt), in English (README.txt) and in German (LIESMICH.txt).
foreach(readme LEGGIMI README LIESMICH)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/${readme}.txt.in
        ${CMAKE_CURRENT_BINARY_DIR}/${readme}.txt @ONLY NEWLINE_STYLE CRLF)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${readme}.txt DESTINATION .)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
    COPYONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt DESTINATION .)
# Packaging builds only the program, not every test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${VARELUX_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR ${VARELUX_PUBLISHER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL ${VARELUX_HOMEPAGE})
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${PROJECT_NAME})
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${PROJECT_NAME})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
set(CPACK_PACKAGE_EXECUTABLES ${VARELUX_PROGRAM} ${PROJECT_NAME}) # Start menu: "Varelux"
set(CPACK_STRIP_FILES OFF) # linked stripped already

# A 64-bit installer for the 64-bit program: it installs under "Program Files" and registers in
# the 64-bit view of the registry, and runs where 32-bit programs cannot (Wine without wine32).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_DISPLAY_NAME ${PROJECT_NAME})
set(CPACK_NSIS_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/packaging/windows/varelux.ico)
set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
set(CPACK_NSIS_INSTALLED_ICON_NAME ${VARELUX_PROGRAM}.exe)
set(CPACK_NSIS_URL_INFO_ABOUT ${VARELUX_HOMEPAGE})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# The settings the program keeps (the hints' series and tolerances, under the organisation and
# application names main.cpp gives them) go with it. CPack writes the value into a CMake file
# that it reads again, so the backslash is escaped twice and the key is quoted as NSIS allows.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "DeleteRegKey HKCU 'Software\\\\${PROJECT_NAME}'")

# The installer speaks Italian or German where Windows does and English everywhere else; NSIS
# picks the language from the user's display language when it starts. Its script is CMake's own
# NSIS template (the same in the CMake of Debian 12 and of Debian 13), read from the CMake that
# configures, with two changes: the sixty-odd languages it inserts become the three of
# installer_languages.nsh, and the two messages it words itself take their text from there, in
# the user's language. CPack looks for NSIS.template.in in CPACK_MODULE_PATH first.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in nsis_template)
function(varelux_nsis_replace pattern replacement)
    string(REGEX MATCH "${pattern}" found "${nsis_template}")
    if(NOT found)
        message(FATAL_ERROR "CMake's NSIS template has changed: no ${pattern}")
    endif()
    string(REGEX REPLACE "${pattern}" "${replacement}" changed "${nsis_template}")
    set(nsis_template "${changed}" PARENT_SCOPE)
endfunction()
set(languages ${PROJECT_SOURCE_DIR}/packaging/windows/installer_languages.nsh)
varelux_nsis_replace("(  !insertmacro MUI_LANGUAGE \"[A-Za-z]+\"[^\n]*\n)+"
    "  !include /CHARSET=UTF8 \"${languages}\"\n")
varelux_nsis_replace("\"@CPACK_NSIS_PACKAGE_NAME@ is already installed[^\"]*\""
    "\"$(VareluxAlreadyInstalled)\"")
varelux_nsis_replace("\"Uninstall failed\\.\"" "\"$(VareluxUninstallFailed)\"")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/nsis/NSIS.template.in "${nsis_template}")
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis ${CMAKE_MODULE_PATH})

# One file name per generator, set when CPack runs each of them.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/VareluxCPackNames.cmake)
configure_file(${CMAKE_CURRENT_LIST_DIR}/VareluxCPackNames.cmake.in ${CPACK_PROJECT_CONFIG_FILE}
    @ONLY)
include(CPack)

# winget's manifests for both packages (schema 1.12.0: version, installer, the default locale in
# English and a locale each in Italian and in German), named by the application id. What the
# identity says is filled in now; each package's SHA-256 once cpack has made it, by the target
# varelux_winget (make windows runs it after cpack), which writes them into winget/ beside the
# packages.
foreach(part "" .installer .locale.en-US .locale.it-IT .locale.de-DE)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/winget/manifest${part}.yaml.in
        ${CMAKE_CURRENT_BINARY_DIR}/winget-unhashed/${VARELUX_APP_ID}${part}.yaml @ONLY)
endforeach()
add_custom_target(varelux_winget
    COMMAND ${CMAKE_COMMAND}
        -D MANIFESTS=${CMAKE_CURRENT_BINARY_DIR}/winget-unhashed
        -D INSTALLER=${PROJECT_BINARY_DIR}/${VARELUX_INSTALLER_NAME}.exe
        -D ZIP=${PROJECT_BINARY_DIR}/${VARELUX_ZIP_NAME}.zip
        -D OUTPUT=${PROJECT_BINARY_DIR}/winget
        -P ${PROJECT_SOURCE_DIR}/packaging/windows/winget_manifests.cmake
    COMMENT "Writing the winget manifests of ${VARELUX_INSTALLER_NAME}.exe and ${VARELUX_ZIP_NAME}.zip"
    VERBATIM)
