# Read by the Windows Qt's own build (scripts/build-qt.sh windows) right after its project() call.
# That Qt is built for size (-Os), all but QtCore, which keeps the full optimisation (-O3) that
# Qt's release build gives it: a "Calcola" click spends its time in Core, and with Core at -Os it
# took a fifth longer under Wine. The option is added once every folder has been read, so that the
# Core target exists; it comes after the release flags' -Os on each compile line, and the last -O
# wins.
cmake_language(DEFER CALL set_property TARGET Core APPEND PROPERTY COMPILE_OPTIONS -O3)
