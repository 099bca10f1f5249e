#!/usr/bin/env bash
# The installer's round trip under Wine, in a Wine prefix of its own: its first page speaks the
# user's language; a silent install (/S) puts the program, its licence and read-mes, the
# Start-menu entry and the uninstall entry (name, version, publisher, icon) in place; the
# installed program opens its window; a silent uninstall takes all of it away again, the
# settings the program kept included.
# Runs under run_wine.sh: check_installer.sh varelux-<v>-setup.exe <v>
set -euo pipefail
setup=${1:?usage: check_installer.sh setup.exe version}
version=${2:?usage: check_installer.sh setup.exe version}
export WINEPREFIX=$WINEPREFIX-installer
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wineserver --wait

folder="$WINEPREFIX/drive_c/Program Files/Varelux"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Varelux/Varelux.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Varelux'
fail=0
check() { "$@" || { echo "failed: ${*: -1}" >&2; fail=1; }; }
entry() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n { $1 = $2 = ""; sub(/^ +/, ""); print }'; }

# The first page in the user's display language: Italian in Italian, German in German, English
# in any other, even in French, which NSIS itself speaks.
for language in 'it_IT.UTF-8 Installazione di Varelux' 'de_DE.UTF-8 Installation von Varelux' \
    'fr_FR.UTF-8 Varelux Setup'; do
    LC_ALL=${language%% *} wine "$setup" >/dev/null 2>&1 & page=$!
    check timeout 60 xdotool search --sync --onlyvisible --name "^${language#* }\$" >/dev/null
    { kill $page && wait $page; } 2>/dev/null || true
    wineserver --wait
done

wine "$setup" /S
wineserver --wait
for file in varelux.exe LICENSE.txt LEGGIMI.txt README.txt LIESMICH.txt Uninstall.exe; do
    check test -f "$folder/$file"
done
check test -f "$menu"
check test "$(entry DisplayName)" = Varelux
check test "$(entry DisplayVersion)" = "$version"
check test -n "$(entry Publisher)"
check test "$(entry DisplayIcon)" = 'C:\Program Files\Varelux\varelux.exe'
echo "installed: $(ls "$folder" | tr '\n' ' ')"
echo "uninstall entry: $(entry DisplayName) $(entry DisplayVersion), $(entry Publisher)"

wine "$folder/varelux.exe" >/dev/null 2>&1 &
program=$!
check timeout 60 xdotool search --sync --onlyvisible --name '^Varelux$' >/dev/null
kill $program 2>/dev/null || true
wait $program 2>/dev/null || true

# The settings a run keeps go with the uninstall.
settings='HKCU\Software\Varelux\Varelux'
wine reg add "$settings\hints" /v series /d E24 /f >/dev/null 2>&1
check bash -c "wine reg query '$settings' >/dev/null 2>&1"
wine "$folder/Uninstall.exe" /S
wineserver --wait # the uninstaller runs on from a copy of itself
check test ! -e "$folder"
check test ! -e "$menu"
check bash -c "! wine reg query '$key' >/dev/null 2>&1"
check bash -c "! wine reg query '$settings' >/dev/null 2>&1"
[ $fail -eq 0 ] && echo "installer: installed, started and uninstalled"
rm -rf "$WINEPREFIX"
exit $fail
