#!/bin/sh
# Runs the program on the Wayland compositor named by the environment, with a library that
# presses Start and ends it, and finds the app id it gave its window among the protocol's
# requests.
# Usage: app-id.sh PROGRAM DRIVE_LIBRARY APP_ID
set -u
WAYLAND_DEBUG=client LD_PRELOAD=$2 "$1" 2>&1 | grep -F "xdg_toplevel" | grep -q -F "set_app_id(\"$3\")"
