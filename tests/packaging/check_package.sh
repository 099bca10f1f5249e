#!/usr/bin/env bash
# Builds the Debian package from a build tree, unpacks it into a scratch root and checks every
# installed file, the package's fields, lintian's verdict, and that the installed program opens
# its window with its icon: check_package.sh build-dir
set -euo pipefail
build=$(cd "${1:?usage: check_package.sh build-dir}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
id=io.github.varelux.varelux
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
problem() { echo "package: $*" >&2; fail=1; }

cpack -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(ls "$work"/out/*.deb)
[ "$(basename "$deb")" = varelux_1.00_amd64.deb ] || problem "file name $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = varelux ] || problem "Package: $(field Package)"
[ "$(field Version)" = 1.00 ] || problem "Version: $(field Version)"
[ "$(field Section)" = electronics ] || problem "Section: $(field Section)"
# dpkg-shlibdeps names the runtime packages as the release calls them: a release that moved to
# 64-bit time_t renamed some Qt libraries with a t64 suffix (libqt6core6t64).
depends=$(field Depends | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//')
for runtime in 'libqt6core6(t64)?' 'libqt6gui6(t64)?' 'libqt6widgets6(t64)?' libc6 'libstdc\+\+6'; do
    echo "$depends" | grep -qxE "$runtime" || problem "Depends lacks $runtime: $(field Depends)"
done
[ "$(field Recommends)" = qt6-wayland ] || problem "Recommends: $(field Recommends)"
synopsis=$(field Description | sed -n 1p)
[ "$synopsis" = "series resistor calculator for LED circuits" ] || problem "Description: $synopsis"

# Exactly these files, nothing from the build tree.
root=$work/root
dpkg -x "$deb" "$root"
expected="usr/bin/varelux
usr/share/applications/$id.desktop
usr/share/doc/varelux/changelog.gz
usr/share/doc/varelux/copyright
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/16x16/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/64x64/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/de/man1/varelux.1.gz
usr/share/man/it/man1/varelux.1.gz
usr/share/man/man1/varelux.1.gz
usr/share/metainfo/$id.metainfo.xml"
actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$(echo "$expected" | LC_ALL=C sort)" ] ||
    problem "installed files differ:"$'\n'"$(diff <(echo "$expected" | LC_ALL=C sort) <(echo "$actual") || true)"

# The program: stripped, no RUNPATH, nothing pointing into the build tree.
readelf -d "$root/usr/bin/varelux" | grep -q -E 'RUNPATH|RPATH' && problem "program has a RUNPATH"
file "$root/usr/bin/varelux" | grep -q 'not stripped' && problem "program is not stripped"
grep -r -l -F "$build" "$root" && problem "a file names the build tree"

# Icons: the size their folder says (tst_icon checks what they show).
for size in 16 32 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" |
        grep -q "$size x $size" || problem "icon ${size}x${size} has another size"
done

# Desktop entry and metainfo name the same id, and pass their validators.
desktop=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
grep -qx "Icon=$id" "$desktop" || problem "desktop entry names another icon"
grep -qx "Exec=varelux" "$desktop" || problem "desktop entry runs another program"
# Names and descriptions in English, and in Italian and German as translations.
for line in "Comment=Series resistor calculator for LED circuits" \
    "Comment[it]=Software per dimensionamento resistenze" \
    "Comment[de]=Vorwiderstandsrechner für LED-Schaltungen" \
    "GenericName=LED resistor calculator" "GenericName[it]=Calcolo resistenze per LED" \
    "GenericName[de]=LED-Vorwiderstandsrechner"; do
    grep -qxF "$line" "$desktop" || problem "desktop entry lacks $line"
done
for tag in "<summary>Series resistor calculator for LED circuits</summary>" \
    '<summary xml:lang="it">Software per dimensionamento resistenze</summary>' \
    '<summary xml:lang="de">Vorwiderstandsrechner für LED-Schaltungen</summary>' \
    '<caption>The main window with its three panels</caption>' \
    '<caption xml:lang="it">La finestra principale con i tre pannelli</caption>' \
    '<caption xml:lang="de">Das Hauptfenster mit seinen drei Abschnitten</caption>'; do
    grep -qF "$tag" "$metainfo" || problem "metainfo lacks $tag"
done
paragraphs=$(grep -c '^ *<p>$' "$metainfo" || true)
for language in it de; do
    [ "$paragraphs" -gt 0 ] &&
        [ "$paragraphs" = "$(grep -c "^ *<p xml:lang=\"$language\">\$" "$metainfo")" ] ||
        problem "metainfo description: not every English paragraph in $language"
done
grep -q "<id>$id</id>" "$metainfo" || problem "metainfo id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    problem "metainfo launchable"
grep -q '<release version="1.00"' "$metainfo" || problem "metainfo release"
desktop-file-validate "$desktop" || problem "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$metainfo" >/dev/null ||
    problem "appstreamcli: $(appstreamcli validate --no-net --pedantic "$metainfo")"
# The manual page in English, and in Italian and German for those locales: its sections named in
# its language, and every option.
for page in 'man OPTIONS' 'man/it OPZIONI' 'man/de OPTIONEN'; do
    man=$(zcat "$root/usr/share/${page% *}/man1/varelux.1.gz")
    echo "$man" | grep -q '^\.TH VARELUX 1' && echo "$man" | grep -qx "\.SH ${page#* }" &&
        echo "$man" | grep -q -- '-\\-help' && echo "$man" | grep -q -- '-\\-version' &&
        echo "$man" | grep -q -- '-\\-language' || problem "manual page in ${page% *}"
done

# lintian: no error and no warning. The notes it still gives are listed in the README.
command -v lintian >/dev/null || problem "lintian is not installed"
lint=$(lintian --tag-display-limit 0 "$deb" 2>/dev/null || true)
echo "$lint" | grep -E '^(E|W):' && problem "lintian reports errors or warnings"

# The licences: MIT for the program, named the same way by the metainfo and the copyright file,
# whose every licence has its text in a stand-alone paragraph.
copyright=$root/usr/share/doc/varelux/copyright
grep -q '<project_license>MIT</project_license>' "$root/usr/share/metainfo/$id.metainfo.xml" ||
    problem "metainfo project_license"
awk '/^Files: \*$/ { files = 1 } files && /^License:/ { print $2; exit }' "$copyright" |
    grep -qx MIT || problem "copyright: the program is not under MIT"
grep -q -i proprietary "$copyright" && problem "copyright still names a proprietary licence"
grep -qx 'License: MIT' "$copyright" && grep -q '^ Permission is hereby granted, free of charge' "$copyright" ||
    problem "copyright lacks the MIT text"
# The embedded face: its own copyright lines and the text of its licence, the OFL.
grep -q '^ Copyright (c) 2012 Red Hat, Inc. with Reserved Font Name Liberation.$' "$copyright" &&
    grep -qx 'License: MIT and OFL-1.1' "$copyright" && grep -qx 'License: OFL-1.1' "$copyright" &&
    grep -q '^ SIL OPEN FONT LICENSE Version 1.1' "$copyright" ||
    problem "copyright lacks the font's copyright or its licence"
grep -q 'GPL' "$copyright" && problem "copyright still names the GPL"

# The installed program opens its window, titled Varelux, with its icon.
"$here/../run_x11.sh" bash -c '
    "$1/usr/bin/varelux" & pid=$!
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --pid $pid --name "^Varelux$" 2>/dev/null | head -n1) || true
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "package: the installed program showed no window" >&2; kill $pid; exit 1; }
    xprop -id "$id" _NET_WM_ICON | grep -q "Icon (32 x 32)" ||
        { echo "package: the window has no icon" >&2; kill $pid; exit 1; }
    kill $pid' check "$root" || problem "installed program"

[ $fail -eq 0 ] && echo "package: $(basename "$deb") checked"
exit $fail
