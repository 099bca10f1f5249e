# varelux_web_page(<target> <title> <html file> [OFFLINE])
# Writes the page that runs a Qt program built for WebAssembly (packaging/web/index.html.in):
# the program's .js and .wasm and Qt's qtloader.js beside it, as qt_add_executable leaves them.
# Varelux itself and the floor window of the start-up comparison are loaded by the same page.
# The page names the build of the files it loads, which only the linked program gives: it is
# written once the target is linked, by the target <target>_page. With OFFLINE, the page can be
# installed as an app: it links the web app manifest of its language (manifest.<code>.webmanifest,
# which the caller provides with the icons) and registers a service worker, sw.js, written beside
# the page, that keeps this build for use without a network.
function(varelux_web_page target title html)
    cmake_parse_arguments(ARG "OFFLINE" "" "" ${ARGN})
    get_target_property(PAGE_PROGRAM ${target} OUTPUT_NAME)
    if(NOT PAGE_PROGRAM)
        set(PAGE_PROGRAM ${target})
    endif()
    # The function the program's .js defines and the page calls, named here. Qt gives the program
    # an EXPORT_NAME of its own when it finishes the target (at the end of the folder that made
    # it, which may come before or after this); this one is added at the end of the top-level
    # folder, after every such step, so that it is the last and the one emscripten keeps.
    string(MAKE_C_IDENTIFIER "${PAGE_PROGRAM}_module" PAGE_ENTRY)
    cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY [[${PROJECT_SOURCE_DIR}]] CALL
        target_link_options ${target} PRIVATE [[SHELL:-s EXPORT_NAME=${PAGE_ENTRY}]])")
    set(PAGE_TITLE "${title}")
    # Left for the build: the build's name, from the linked program's files.
    set(PAGE_BUILD "@PAGE_BUILD@")
    set(PAGE_CACHE "@PAGE_CACHE@")
    set(templates ${html}.in)
    if(ARG_OFFLINE)
        set(PAGE_OFFLINE true)
        set(PAGE_APP_LINKS [[<link rel="manifest" id="manifest" href="manifest.en.webmanifest">
<meta name="theme-color" content="#c9ccd2">
<link rel="apple-touch-icon" href="icon-192.png">]])
        get_filename_component(folder ${html} DIRECTORY)
        # What the service worker keeps: the page, the program, the loader, the face, the icons
        # and the manifests.
        set(PAGE_FILES "'./', '${PAGE_PROGRAM}.js?v=@PAGE_BUILD@', '${PAGE_PROGRAM}.wasm?v=@PAGE_BUILD@',
    'qtloader.js?v=@PAGE_BUILD@', 'VareluxSans-Regular.ttf', 'favicon.ico',
    'manifest.it.webmanifest', 'manifest.en.webmanifest', 'manifest.de.webmanifest',
    'icon-192.png', 'icon-512.png', 'icon-maskable-512.png'")
        configure_file(${PROJECT_SOURCE_DIR}/packaging/web/sw.js.in ${folder}/sw.js.in @ONLY)
        list(APPEND templates ${folder}/sw.js.in)
    else()
        set(PAGE_OFFLINE false)
        set(PAGE_APP_LINKS "")
    endif()
    configure_file(${PROJECT_SOURCE_DIR}/packaging/web/index.html.in ${html}.in @ONLY)
    set(pages ${templates})
    list(TRANSFORM pages REPLACE "\\.in$" "")
    add_custom_command(OUTPUT ${pages}
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE_DIR:${target}>/${PAGE_PROGRAM}
            -DVERSION=${VARELUX_VERSION_TEXT} "-DTEMPLATES=${templates}"
            -P ${PROJECT_SOURCE_DIR}/cmake/VareluxWebBuild.cmake
        DEPENDS ${target} ${templates} ${PROJECT_SOURCE_DIR}/cmake/VareluxWebBuild.cmake
        VERBATIM)
    add_custom_target(${target}_page DEPENDS ${pages})
endfunction()
