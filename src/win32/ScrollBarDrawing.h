#pragma once

#include "win32/ScrollBarLayout.h"

#include <windows.h>

#include <uxtheme.h>

// Draws a horizontal scroll bar's parts where its layout puts them, each as it looks under the
// mouse: in the visual style theme holds, or in the classic look where theme is null; the track
// with the track brush.
void drawScrollBar(const ScrollBarLayout &layout, const ScrollBarPointer &mouse, HDC dc,
                   HTHEME theme, HBRUSH track);
