# Where a Windows build made on Linux runs its programs under Wine (its tests, make
# bench-windows): one Wine prefix beside the build, and the shell command that sets it up. A
# program that crashes there ends with Wine's "Unhandled ..." line on stderr and a non-zero
# status, not with winedbg's crash dialog, which would wait on the private display until a
# time-out.
include_guard(GLOBAL)
set(VARELUX_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine)
set(VARELUX_WINE_PREFIX_SETUP "wineboot --init >/dev/null 2>&1 && \
wine reg add 'HKCU\\Software\\Wine\\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null && \
wineserver --wait")
