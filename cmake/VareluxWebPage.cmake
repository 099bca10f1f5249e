# varelux_web_page(<target> <title> <html file>)
# Writes the page that runs a Qt program built for WebAssembly (packaging/web/index.html.in):
# the program's .js and .wasm and Qt's qtloader.js beside it, as qt_add_executable leaves them.
# Varelux itself and the floor window of the start-up comparison are loaded by the same page.
function(varelux_web_page target title html)
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
    # The main window with its frame (4 px on either side) and a margin of 12 px on either side.
    # Its size is the one the tests check it against.
    file(STRINGS ${PROJECT_SOURCE_DIR}/tests/main_window_facts.txt window REGEX "^window ")
    string(REGEX REPLACE "^window ([0-9]+) .*" "\\1" window_width "${window}")
    math(EXPR PAGE_WIDTH "${window_width} + 2 * 4 + 2 * 12")
    configure_file(${PROJECT_SOURCE_DIR}/packaging/web/index.html.in ${html} @ONLY)
endfunction()
