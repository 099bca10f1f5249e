# varelux_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI])
# One QTest executable per test file, registered with CTest. GUI tests run on the offscreen
# platform so they need no display.
function(varelux_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    if(ARG_GUI)
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
            LABELS gui)
    else()
        set_tests_properties(${name} PROPERTIES LABELS core)
    endif()
endfunction()
