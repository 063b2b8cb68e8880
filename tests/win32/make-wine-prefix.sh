#!/usr/bin/env bash
# Makes a Wine prefix for the tests of the Windows program, at a resolution in dots per inch and,
# when a size is given, with its programs on a Wine desktop of that size: a small screen.
# Usage: make-wine-prefix.sh PREFIX DPI [WIDTHxHEIGHT]
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
dpi=$2
log=$WINEPREFIX.log
# Wine's words are kept, and shown should a step fail.
trap 'status=$?; [ $status = 0 ] || { echo "making $WINEPREFIX failed:"; cat "$log"; }' EXIT
: >"$log"
wine_quietly() { "$@" >>"$log" 2>&1; }
wine_quietly wineboot -i
wine_quietly wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f
if [ $# -ge 3 ]; then
    wine_quietly wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f
    wine_quietly wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ \
        /d "$3" /f
fi
# Waits until the registry is written and the prefix's server has ended.
wine_quietly wineserver -w
