# varelux_web_page(<target> <title> <html file>)
# Writes the page that runs a Qt program built for WebAssembly (packaging/web/index.html.in):
# the program's .js and .wasm and Qt's qtloader.js beside it, as qt_add_executable leaves them.
# Varelux itself and the floor window of the start-up comparison are loaded by the same page.
function(varelux_web_page target title html)
    get_target_property(PAGE_PROGRAM ${target} OUTPUT_NAME)
    if(NOT PAGE_PROGRAM)
        set(PAGE_PROGRAM ${target})
    endif()
    _qt_internal_wasm_export_name_for_target(PAGE_ENTRY ${target})
    set(PAGE_TITLE "${title}")
    # The main window with its frame (4 px on either side) and a margin of 12 px on either side.
    # Its size is the one the tests check it against.
    file(STRINGS ${PROJECT_SOURCE_DIR}/tests/main_window_facts.txt window REGEX "^window ")
    string(REGEX REPLACE "^window ([0-9]+) .*" "\\1" window_width "${window}")
    math(EXPR PAGE_WIDTH "${window_width} + 2 * 4 + 2 * 12")
    configure_file(${PROJECT_SOURCE_DIR}/packaging/web/index.html.in ${html} @ONLY)
endfunction()
