#include "win32/ClassicLook.h"

#include "design/WindowDesign.h"
#include "win32/GdiObjects.h"
#include "win32/Text.h"
#include "win32/ThemeAtDpi.h"

#include <vssym32.h>
#include <windowsx.h>

#include <string>

namespace {

// Where a frame's caption begins, and the gap left on either side of it in the line.
constexpr int captionIndent = 6;
constexpr int captionGap = 2;
// How far inside a focused button its focus rectangle lies.
constexpr int focusInset = 4;
// An option button's round mark without a visual style, less its last pixel.
constexpr int classicMark = 12;
// An option's caption: one line, left-aligned and centred on the control's height.
constexpr UINT optionCaptionFormat = DT_NOCLIP | DT_SINGLELINE | DT_VCENTER;

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

// The parent's brush for the control, with its text colour set on the device context.
HBRUSH parentColours(HWND control, HDC dc) {
    return reinterpret_cast<HBRUSH>(SendMessageW(GetParent(control), WM_CTLCOLORSTATIC,
                                                 reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(control)));
}

void paintFrame(HWND frame, HDC dc, double dpi) {
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
    const int indent = atDotsPerInch(captionIndent, dpi);
    const int gap = atDotsPerInch(captionGap, dpi);
    const RECT behindCaption{indent, 0, indent + extent.cx + 2 * gap, extent.cy};
    FillRect(dc, &behindCaption, background);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, indent + gap, 0, caption.c_str(), static_cast<int>(caption.size()));
}

LRESULT CALLBACK classicFrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR scale) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        const PaintDC paint(frame);
        paintFrame(frame, paint.get(), reinterpret_cast<const WindowScale *>(scale)->dpi());
        return 0;
    }
    default:
        return DefSubclassProc(frame, message, wParam, lParam);
    }
}

// The option's state among the visual style's states of a radio button.
int radioState(const NMCUSTOMDRAW &draw) {
    int state = RBS_UNCHECKEDNORMAL;
    if (draw.uItemState & CDIS_DISABLED)
        state = RBS_UNCHECKEDDISABLED;
    else if (draw.uItemState & CDIS_SELECTED)
        state = RBS_UNCHECKEDPRESSED;
    else if (draw.uItemState & CDIS_HOT)
        state = RBS_UNCHECKEDHOT;
    const bool checked = Button_GetCheck(draw.hdr.hwndFrom) == BST_CHECKED;
    return checked ? state + RBS_CHECKEDNORMAL - RBS_UNCHECKEDNORMAL : state;
}

// Where an option's parts go, as the control lays them out: the caption's line centred on the
// control half a digit after the mark, the mark centred on that line to the pixel.
struct OptionLayout {
    RECT label;   // the room for the caption
    RECT caption; // the caption itself
    RECT mark;
};

OptionLayout layOutOption(HDC dc, const RECT &content, SIZE mark, const std::wstring &caption) {
    int digit = 0;
    GetCharWidthW(dc, L'0', L'0', &digit);
    OptionLayout layout{content, {}, content};
    layout.label.left += mark.cx + digit / 2;
    DrawTextW(dc, caption.c_str(), -1, &layout.caption, DT_SINGLELINE | DT_CALCRECT);
    const int height = layout.caption.bottom;
    OffsetRect(&layout.caption, layout.label.left + 1,
               layout.label.top + (layout.label.bottom - layout.label.top - height) / 2);
    RECT &box = layout.mark;
    box = {box.left, layout.caption.top, box.left + mark.cx, layout.caption.bottom};
    const int spare = height - mark.cy;
    if (spare > 0)
        box.top = (box.bottom -= spare / 2 + 1) - mark.cy;
    else if (spare < 0)
        box.bottom = (box.top -= -spare / 2 + 1) + mark.cy;
    return layout;
}

// In the desktop's visual style where the option has one, else in the classic look; the
// caption with the focus rectangle round it when the option has the focus.
void paintOptionParts(const NMCUSTOMDRAW &draw, HTHEME theme, double dpi,
                      const std::wstring &caption) {
    HDC dc = draw.hdc;
    const int state = radioState(draw);
    RECT content = draw.rc;
    const int classic = atDotsPerInch(classicMark, dpi) + 1;
    SIZE mark{classic, classic};
    if (theme) {
        GetThemeBackgroundContentRect(theme, dc, BP_RADIOBUTTON, state, &draw.rc, &content);
        if (FAILED(GetThemePartSize(theme, dc, BP_RADIOBUTTON, state, &content, TS_DRAW, &mark)))
            mark = {classic, classic};
    }
    OptionLayout layout = layOutOption(dc, content, mark, caption);
    if (theme) {
        DrawThemeBackground(theme, dc, BP_RADIOBUTTON, state, &layout.mark, nullptr);
        DrawThemeText(theme, dc, BP_RADIOBUTTON, state, caption.c_str(),
                      static_cast<int>(caption.size()), optionCaptionFormat, 0, &layout.caption);
    } else {
        const bool checked = state >= RBS_CHECKEDNORMAL;
        DrawFrameControl(dc, &layout.mark, DFC_BUTTON,
                         DFCS_BUTTONRADIO | (checked ? DFCS_CHECKED : 0) |
                             (draw.uItemState & CDIS_SELECTED ? DFCS_PUSHED : 0));
        DrawTextW(dc, caption.c_str(), -1, &layout.caption, optionCaptionFormat);
    }
    if (!(draw.uItemState & CDIS_FOCUS))
        return;
    RECT focus = layout.caption;
    InflateRect(&focus, 1, 0);
    IntersectRect(&focus, &focus, &layout.label);
    DrawFocusRect(dc, &focus);
}

} // namespace

void paintClassicButton(const DRAWITEMSTRUCT &item, double dpi) {
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
        const int inset = atDotsPerInch(focusInset, dpi);
        InflateRect(&focus, -inset, -inset);
        DrawFocusRect(dc, &focus);
    }
}

void paintAsClassicFrame(HWND frame, const WindowScale &scale) {
    SetWindowSubclass(frame, classicFrameProcedure, 0, reinterpret_cast<DWORD_PTR>(&scale));
}

LRESULT paintOption(const NMCUSTOMDRAW &draw, double dpi) {
    if (draw.dwDrawStage != CDDS_PREERASE && draw.dwDrawStage != CDDS_PREPAINT)
        return CDRF_DODEFAULT;
    HWND option = draw.hdr.hwndFrom;
    const int saved = SaveDC(draw.hdc);
    IntersectClipRect(draw.hdc, draw.rc.left, draw.rc.top, draw.rc.right, draw.rc.bottom);
    FillRect(draw.hdc, &draw.rc, parentColours(option, draw.hdc));
    SelectObject(draw.hdc, GetWindowFont(option));
    const ThemeAtDpi theme(option, L"Button", dpi);
    paintOptionParts(draw, theme.get(), dpi, windowText(option));
    RestoreDC(draw.hdc, saved);
    return CDRF_SKIPDEFAULT;
}
