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
    # The main window's frame (713 + 2 x 4 px) and a margin on either side.
    set(PAGE_WIDTH 745)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/web/index.html.in ${html} @ONLY)
endfunction()
