#pragma once

// Whether the window system gives a full-screen window the screen, and a window that leaves
// full screen its place back: a window manager on X11 that supports full screen, a Wayland
// compositor, Qt's offscreen platform. On an X server alone (a kiosk) no one does, and the
// window takes them itself. Where someone does, the window must not: a window manager takes a
// full-screen window's own request for a place as the end of full screen.
bool windowSystemPlacesFullScreen();
