#pragma once

#include "design/ColourProfiles.h"
#include "win32/WindowScale.h"

#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>

#include <string>

// The look the window was designed in, at the resolution the controls are drawn at: the window's
// scaled one. Push buttons and frames keep the classic look whatever the desktop's theme: push
// buttons with their faces (the window's background, in the design's colours) and a raised edge,
// and frames of an etched line with the caption on its top line, breaking it. Option buttons keep
// the desktop's look in the design's colours, their round marks drawn at the zoom as their
// captions are, and marks of their own in other colours. All take their faces and text colours
// from the parent window's WM_CTLCOLORSTATIC answer, as static controls do, and their edges from
// the colours shown.

// Paints an owner-drawn push button.
void paintClassicButton(const DRAWITEMSTRUCT &item, const ShownColours &colours, double dpi);

// Makes a group box paint itself as a classic frame, at the scale and in the colours as they
// are when it paints.
void paintAsClassicFrame(HWND frame, const WindowScale &scale, const ShownColours &colours);

// Answers an option button's custom-draw notification: paints it whole, at dpi.
LRESULT paintOption(const NMCUSTOMDRAW &draw, const ShownColours &colours, double dpi);

// Where a frame's caption stands on its top line, in the frame's font selected into dc: its
// text, and the break in the line behind it with a gap on either side.
struct FrameCaption {
    POINT text;
    RECT lineBreak;
};
FrameCaption layOutFrameCaption(HDC dc, const std::wstring &caption, double dpi);

// How wide a frame's etched line is: a shadow line and a light line beside it.
inline constexpr int etchedLineWidth = 2;

// Where a focused push button's focus rectangle lies within it; its caption is centred inside.
RECT buttonFocusRect(const RECT &button, double dpi);

// Where an option's parts go in its box, as the control lays them out in its font selected into
// dc: the mark of the visual style in a state (a radio button's) where there is one, else the
// classic look's.
struct OptionLayout {
    RECT label;   // the room for the caption
    RECT caption; // the caption itself
    RECT mark;
};
OptionLayout layOutOption(HDC dc, const RECT &box, HTHEME theme, int state, double dpi,
                          const std::wstring &caption);
