# varelux_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI | X11 | ATSPI])
# One QTest executable per test file, registered with CTest. GUI tests run on the offscreen
# platform so they need no display, and once more as <name>@wayland, the client of a headless
# Wayland compositor of their own (run_wayland.sh); X11 tests on a private X server with a window
# manager (run_x11.sh), one at a time; ATSPI tests there too, with an accessibility bus and Qt's
# bridge to it (run_atspi.sh), skipped where that bus cannot start.
#
# A Windows build made on Linux (the windows preset) runs its tests under Wine, through
# CMAKE_CROSSCOMPILING_EMULATOR, on the X server that tests/run_wine.sh provides: core tests as
# they are, GUI tests on the windows platform. X11, AT-SPI and Wayland runs have no place there.
set(VARELUX_UNDER_WINE OFF)
if(WIN32 AND CMAKE_CROSSCOMPILING)
    set(VARELUX_UNDER_WINE ON)
    # The build's Wine prefix, set up before the first test that needs it (a fixture) and its
    # server stopped after the last.
    include(${PROJECT_SOURCE_DIR}/cmake/VareluxWine.cmake)
    add_test(NAME wine_prefix COMMAND bash -c "${VARELUX_WINE_PREFIX_SETUP}")
    # wineserver --kill fails when the server has already ended by itself.
    add_test(NAME wine_prefix_stop COMMAND bash -c "wineserver --kill 2>/dev/null || true")
    set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix)
    set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine_prefix)
    set_tests_properties(wine_prefix wine_prefix_stop PROPERTIES
        ENVIRONMENT WINEPREFIX=${VARELUX_WINE_PREFIX} RESOURCE_LOCK wine)
endif()

# What the tests ask of the operating system, one implementation per system.
if(WIN32)
    set(probes_system system_probes_win.cpp)
else()
    set(probes_system system_probes_unix.cpp)
endif()
list(TRANSFORM probes_system PREPEND ${PROJECT_SOURCE_DIR}/tests/)
add_library(varelux_test_probes STATIC ${PROJECT_SOURCE_DIR}/tests/system_probes.h ${probes_system})
target_link_libraries(varelux_test_probes PUBLIC Qt6::Widgets varelux_core)
target_include_directories(varelux_test_probes PUBLIC ${PROJECT_SOURCE_DIR}/tests)
# The main window as the tests expect it (main_window_facts.h), for every test.
qt_add_resources(varelux_test_probes main_window_facts PREFIX /tests
    BASE ${PROJECT_SOURCE_DIR}/tests FILES ${PROJECT_SOURCE_DIR}/tests/main_window_facts.txt)

# varelux_run_under_wine(<test>...): the tests run Windows programs in the build's Wine prefix.
function(varelux_run_under_wine)
    set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT WINEPREFIX=${VARELUX_WINE_PREFIX})
    set_tests_properties(${ARGN} PROPERTIES FIXTURES_REQUIRED wine_prefix)
endfunction()

function(varelux_add_test name)
    cmake_parse_arguments(ARG "GUI;X11;ATSPI" "" "SOURCES;LIBS" ${ARGN})
    if(VARELUX_UNDER_WINE AND (ARG_X11 OR ARG_ATSPI))
        return()
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} varelux_test_probes Qt6::Test)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    if(ARG_ATSPI)
        add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/tests/run_atspi.sh $<TARGET_FILE:${name}>)
        set_tests_properties(${name} PROPERTIES
            LABELS "x11;atspi" RESOURCE_LOCK x11 SKIP_RETURN_CODE 77)
        return()
    endif()
    if(ARG_X11)
        add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/tests/run_x11.sh $<TARGET_FILE:${name}>)
        set_tests_properties(${name} PROPERTIES LABELS x11 RESOURCE_LOCK x11)
        return()
    endif()
    add_test(NAME ${name} COMMAND ${name})
    if(VARELUX_UNDER_WINE)
        varelux_run_under_wine(${name})
    endif()
    if(ARG_GUI AND VARELUX_UNDER_WINE)
        set_tests_properties(${name} PROPERTIES LABELS gui RESOURCE_LOCK wine)
    elseif(ARG_GUI)
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
            LABELS gui)
        add_test(NAME ${name}@wayland
            COMMAND ${PROJECT_SOURCE_DIR}/tests/run_wayland.sh $<TARGET_FILE:${name}>)
        set_tests_properties(${name}@wayland PROPERTIES LABELS wayland)
    else()
        set_tests_properties(${name} PROPERTIES LABELS core)
    endif()
endfunction()

# Runs an already added test once more as <name>@<suffix>, with its labels and environment plus
# the given variables, through the given launcher (may be empty).
function(varelux_add_test_run name suffix launcher)
    if(VARELUX_UNDER_WINE)
        return() # the launchers are Linux scripts
    endif()
    get_test_property(${name} ENVIRONMENT environment)
    get_test_property(${name} LABELS labels)
    if(NOT environment)
        set(environment "")
    endif()
    add_test(NAME ${name}@${suffix} COMMAND ${launcher} $<TARGET_FILE:${name}>)
    set_tests_properties(${name}@${suffix} PROPERTIES
        ENVIRONMENT "${environment};${ARGN}"
        LABELS "${labels}")
endfunction()

# varelux_add_locale_runs(<test>...): each test again under LC_ALL and LANG set to "C", an
# Italian and a German locale; all of them must give the same results.
function(varelux_add_locale_runs)
    foreach(name ${ARGN})
        foreach(locale C it_IT.UTF-8 de_DE.UTF-8)
            varelux_add_test_run(${name} ${locale}
                "${PROJECT_SOURCE_DIR}/tests/run_in_locale.sh;${locale}")
        endforeach()
    endforeach()
endfunction()

# varelux_add_scaled_runs(<test>...): each offscreen test again at QT_SCALE_FACTOR=2, on a screen
# of 2560 x 1600 device pixels so that every window still fits at twice the size.
function(varelux_add_scaled_runs)
    foreach(name ${ARGN})
        varelux_add_test_run(${name} x2 ""
            QT_SCALE_FACTOR=2
            QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/offscreen_2560x1600.json)
    endforeach()
endfunction()
