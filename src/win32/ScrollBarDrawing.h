#pragma once

#include "win32/ScrollBarLayout.h"

#include <windows.h>

#include <uxtheme.h>

// Draws a horizontal scroll bar's parts where its layout puts them, each as it looks under the
// mouse: in the visual style theme holds, or in the classic look where theme is null; the track
// with the track brush.
void drawScrollBar(const ScrollBarLayout &layout, const ScrollBarPointer &mouse, HDC dc,
                   HTHEME theme, HBRUSH track);

// The colours of a flat scroll bar: its track's, its parts' edges', and its arrows'.
struct FlatScrollBarColours {
    COLORREF track;
    COLORREF edge;
    COLORREF ink;
};

// Draws the bar flat, in these colours: the arrows in boxes edged in the edge's colour, the thumb
// filled with it; a part held down filled with it too, its arrow in the track's colour.
void drawFlatScrollBar(const ScrollBarLayout &layout, const ScrollBarPointer &mouse, HDC dc,
                       const FlatScrollBarColours &colours);
