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
    return MulDiv(designPixels, static_cast<int>(GetDpiForWindow(window)), designDotsPerInch);
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
    DrawEdge(dc, &line, EDGE_ETCHED, BF_RECT);
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
        FrameRect(dc, &edge, GetStockBrush(BLACK_BRUSH));
        InflateRect(&edge, -1, -1);
    }
    if (pushed)
        FrameRect(dc, &edge, GetSysColorBrush(COLOR_BTNSHADOW));
    else
        DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);

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
