#include "win32/ClassicLook.h"

#include "design/WindowDesign.h"
#include "win32/GdiObjects.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

namespace {

// Where a frame's caption begins, and the gap left on either side of it in the line.
constexpr int captionIndent = 6;
constexpr int captionGap = 2;
// How far inside a focused button its focus rectangle lies.
constexpr int focusInset = 4;

// The colours of the classic three-dimensional look, beside the window's light grey.
constexpr COLORREF highlight = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF shadow = RGB(0x80, 0x80, 0x80);
constexpr COLORREF darkShadow = RGB(0x00, 0x00, 0x00);

void fill(HDC dc, const RECT &area, COLORREF colour) {
    const Brush brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.get());
}

// A one-pixel line along the top and left of an area in one colour, and along its bottom and
// right in another.
void drawBevel(HDC dc, const RECT &area, COLORREF topLeft, COLORREF bottomRight) {
    fill(dc, {area.left, area.top, area.right, area.top + 1}, topLeft);
    fill(dc, {area.left, area.top, area.left + 1, area.bottom}, topLeft);
    fill(dc, {area.left, area.bottom - 1, area.right, area.bottom}, bottomRight);
    fill(dc, {area.right - 1, area.top, area.right, area.bottom}, bottomRight);
}

// A line cut into the surface: its shadow above and left of its light.
void drawEtchedLine(HDC dc, const RECT &area) {
    drawBevel(dc, {area.left + 1, area.top + 1, area.right, area.bottom}, highlight, highlight);
    drawBevel(dc, {area.left, area.top, area.right - 1, area.bottom - 1}, shadow, shadow);
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The parent's brush for the control, with its text colour set on the device context.
HBRUSH parentColours(HWND control, HDC dc) {
    return reinterpret_cast<HBRUSH>(SendMessageW(GetParent(control), WM_CTLCOLORSTATIC,
                                                 reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(control)));
}

int scaledFor(HWND window, int designPixels) {
    return atDotsPerInch(designPixels, GetDpiForWindow(window));
}

void paintFrame(HWND frame, HDC dc) {
    RECT area;
    GetClientRect(frame, &area);
    const HBRUSH background = parentColours(frame, dc);
    FillRect(dc, &area, background);
    const Selection font(dc, GetWindowFont(frame));
    const std::wstring caption = windowText(frame);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    // The line runs through the middle of the caption.
    RECT line = area;
    line.top = extent.cy / 2;
    drawEtchedLine(dc, line);
    const int indent = scaledFor(frame, captionIndent);
    const int gap = scaledFor(frame, captionGap);
    const RECT behindCaption{indent, 0, indent + extent.cx + 2 * gap, extent.cy};
    FillRect(dc, &behindCaption, background);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, indent + gap, 0, caption.c_str(), static_cast<int>(caption.size()));
}

LRESULT CALLBACK classicFrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        const PaintDC paint(frame);
        paintFrame(frame, paint.get());
        return 0;
    }
    default:
        return DefSubclassProc(frame, message, wParam, lParam);
    }
}

} // namespace

void paintClassicButton(const DRAWITEMSTRUCT &item) {
    HDC dc = item.hDC;
    RECT edge = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    FillRect(dc, &edge, parentColours(item.hwndItem, dc));
    // The focused button is the default one: a black line round it.
    if (focused) {
        drawBevel(dc, edge, darkShadow, darkShadow);
        InflateRect(&edge, -1, -1);
    }
    if (pushed) {
        drawBevel(dc, edge, shadow, shadow);
    } else {
        drawBevel(dc, edge, highlight, darkShadow);
        InflateRect(&edge, -1, -1);
        drawBevel(dc, edge, highlight, shadow);
    }

    const Selection font(dc, GetWindowFont(item.hwndItem));
    RECT text = item.rcItem;
    if (pushed)
        OffsetRect(&text, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, windowText(item.hwndItem).c_str(), -1, &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -scaledFor(item.hwndItem, focusInset),
                    -scaledFor(item.hwndItem, focusInset));
        DrawFocusRect(dc, &focus);
    }
}

void paintAsClassicFrame(HWND frame) {
    SetWindowSubclass(frame, classicFrameProcedure, 0, 0);
}
