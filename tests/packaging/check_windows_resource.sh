#!/usr/bin/env bash
# Compiles the program file's Windows resource with MinGW's windres and reads every field back,
# or reads them back from the built program file itself:
# check_windows_resource.sh path/to/windres path/to/varelux.rc|path/to/varelux.exe
set -euo pipefail
windres=${1:?usage: check_windows_resource.sh windres varelux.rc|varelux.exe}
rc=${2:?usage: check_windows_resource.sh windres varelux.rc|varelux.exe}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [[ $rc == *.exe ]]; then
    "$windres" -i "$rc" -O rc > "$work/back.rc"
else
    "$windres" --preprocessor=cpp -i "$rc" -O res -o "$work/varelux.res"
    "$windres" -i "$work/varelux.res" -O rc > "$work/back.rc"
fi

fail=0
expect() {
    grep -qF -- "$1" "$work/back.rc" || { echo "missing from the resource: $1" >&2; fail=1; }
}
expect 'LANGUAGE 16, 1'
expect 'RT_GROUP_ICON'
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'BLOCK "041004e4"'
expect 'VALUE "Comments", "Software per dimensionamento resistenze"'
expect 'VALUE "FileDescription", "Software per dimensionamento resistenze"'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductVersion", "1.00"'
expect 'VALUE "ProductName", "Varelux"'
expect 'VALUE "InternalName", "Varelux"'
expect 'VALUE "OriginalFilename", "varelux.exe"'
expect 'VALUE "Translation", 0x410, 1252'
# The icon's group: the six images of varelux.ico, 16 to 256 px (tst_icon checks the file).
expect 'Has 6 elements'
[ $fail -eq 0 ] && echo "windows resource: all fields present"
exit $fail
