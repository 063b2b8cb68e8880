#!/usr/bin/env bash
# Makes a Wine prefix for the tests of the Windows program, at a resolution in dots per inch and,
# when a size is given, with its programs on a Wine desktop of that size: a small screen.
# Usage: make-wine-prefix.sh PREFIX DPI [WIDTHxHEIGHT]
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
dpi=$2
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
if [ $# -ge 3 ]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d "$3" /f >/dev/null
fi
# Waits until the registry is written and the prefix's server has ended.
wineserver -w
