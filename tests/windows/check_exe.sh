#!/usr/bin/env bash
# The Windows program file as Windows sees it: a 64-bit GUI program (no console window), at most
# 18 MB, that imports nothing but DLLs every Windows 10 and 11 has: no MinGW runtime (libstdc++,
# libgcc, winpthread) and no Qt DLL beside it.
# check_exe.sh path/to/x86_64-w64-mingw32-objdump path/to/varelux.exe
set -euo pipefail
objdump=${1:?usage: check_exe.sh objdump varelux.exe}
exe=${2:?usage: check_exe.sh objdump varelux.exe}
headers=$("$objdump" -p "$exe")
fail=0

grep -q '^Magic.*020b' <<<"$headers" || { echo "not a 64-bit (PE32+) program" >&2; fail=1; }
grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers" ||
    { echo "not the Windows GUI subsystem: $(grep '^Subsystem' <<<"$headers")" >&2; fail=1; }

size=$(stat -c %s "$exe")
echo "size: $size bytes"
[ "$size" -le $((18 * 1024 * 1024)) ] || { echo "larger than 18 MB" >&2; fail=1; }

system_dlls=" advapi32 authz bcrypt comctl32 comdlg32 crypt32 d3d11 d3d12 d3d9 dwmapi dwrite dxgi
    gdi32 imm32 kernel32 mpr msvcrt netapi32 ntdll ole32 oleaut32 rpcrt4 setupapi shcore shell32
    shlwapi user32 userenv uxtheme version winmm winspool.drv ws2_32 wtsapi32 "
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort -u)
echo "imports:" $imports
for dll in $imports; do
    name=${dll%.dll}
    # api-ms-win-core-*: API sets, which Windows 10 and 11 resolve to their own system DLLs.
    [[ $system_dlls == *[[:space:]]$name[[:space:]]* || $name == api-ms-win-core-* ]] ||
        { echo "imports $dll, which Windows does not bring" >&2; fail=1; }
done
[ -n "$imports" ] || { echo "no imports read from $exe" >&2; fail=1; }
exit $fail
