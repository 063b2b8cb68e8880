#!/usr/bin/python3
"""Starts kymora, waits for its window, asks the window to close, and passes on its status."""

import os
import subprocess
import sys
import time

from Xlib import X, display
from Xlib.protocol import event

TITLE = "Kymora - "


def find_window(root):
    for window in root.query_tree().children:
        name = window.get_wm_name()
        if isinstance(name, str) and name.startswith(TITLE):
            attributes = window.get_attributes()
            if attributes.map_state == X.IsViewable:
                return window
    return None


def main():
    screen = display.Display()
    root = screen.screen().root
    program = subprocess.Popen(["kymora"], env={**os.environ, "QT_QPA_PLATFORM": "xcb"})
    deadline = time.monotonic() + 60
    window = None
    while window is None and time.monotonic() < deadline and program.poll() is None:
        window = find_window(root)
        time.sleep(0.2)
    if window is None:
        program.kill()
        sys.exit("kymora showed no window")
    print(f"window: {window.get_wm_name()}")

    protocols = screen.intern_atom("WM_PROTOCOLS")
    delete = screen.intern_atom("WM_DELETE_WINDOW")
    request = event.ClientMessage(window=window, client_type=protocols,
                                  data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(request)
    screen.sync()
    try:
        status = program.wait(timeout=30)
    except subprocess.TimeoutExpired:
        program.kill()
        sys.exit("kymora did not end after the close request")
    print(f"status: {status}")
    sys.exit(status)


if __name__ == "__main__":
    main()
