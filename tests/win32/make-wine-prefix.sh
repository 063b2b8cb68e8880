#!/usr/bin/env bash
# Makes a Wine prefix for the tests of the Windows program, at a resolution in dots per inch.
# Usage: make-wine-prefix.sh PREFIX DPI
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
dpi=$2
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
# Waits until the registry is written and the prefix's server has ended.
wineserver -w
