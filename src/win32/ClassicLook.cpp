#include "win32/ClassicLook.h"

#include "design/WindowDesign.h"
#include "win32/GdiObjects.h"
#include "win32/SystemColours.h"
#include "win32/Text.h"
#include "win32/ThemeAtDpi.h"

#include <vssym32.h>
#include <windowsx.h>

#include <algorithm>
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

// The classic three-dimensional look's edges: its light and shadow, and its dark shadow, the
// design's black.
struct Edges {
    COLORREF light, shadow, darkShadow;
};

Edges edgesOf(const ShownColours &colours) {
    return {toColorRef(colours.edgeLight()), toColorRef(colours.edgeShadow()),
            toColorRef(colours.of(colour::black))};
}

// What a frame paints itself with: the window's scale, and the colours shown.
struct FrameLook {
    const WindowScale &scale;
    const ShownColours &colours;
};

// A one-pixel line along the top and left of an area in one colour, and along its bottom and
// right in another.
void drawBevel(HDC dc, const RECT &area, COLORREF topLeft, COLORREF bottomRight) {
    fillWith(dc, {area.left, area.top, area.right, area.top + 1}, topLeft);
    fillWith(dc, {area.left, area.top, area.left + 1, area.bottom}, topLeft);
    fillWith(dc, {area.left, area.bottom - 1, area.right, area.bottom}, bottomRight);
    fillWith(dc, {area.right - 1, area.top, area.right, area.bottom}, bottomRight);
}

// A line cut into the surface, etchedLineWidth wide: its shadow above and left of its light.
void drawEtchedLine(HDC dc, const RECT &area, const Edges &edges) {
    drawBevel(dc, {area.left + 1, area.top + 1, area.right, area.bottom}, edges.light, edges.light);
    drawBevel(dc, {area.left, area.top, area.right - 1, area.bottom - 1}, edges.shadow,
              edges.shadow);
}

// The parent's brush for the control, with its text colour set on the device context.
HBRUSH parentColours(HWND control, HDC dc) {
    return reinterpret_cast<HBRUSH>(SendMessageW(GetParent(control), WM_CTLCOLORSTATIC,
                                                 reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(control)));
}

void paintFrame(HWND frame, HDC dc, const FrameLook &look) {
    const double dpi = look.scale.dpi();
    RECT area;
    GetClientRect(frame, &area);
    const HBRUSH background = parentColours(frame, dc);
    FillRect(dc, &area, background);
    const Selection font(dc, GetWindowFont(frame));
    const std::wstring caption = windowText(frame);
    const FrameCaption place = layOutFrameCaption(dc, caption, dpi);
    // The line runs through the middle of the caption.
    RECT line = area;
    line.top = place.lineBreak.bottom / 2;
    drawEtchedLine(dc, line, edgesOf(look.colours));
    FillRect(dc, &place.lineBreak, background);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, place.text.x, place.text.y, caption.c_str(), static_cast<int>(caption.size()));
}

LRESULT CALLBACK classicFrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR reference) {
    const auto *look = reinterpret_cast<const FrameLook *>(reference);
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        const PaintDC paint(frame);
        paintFrame(frame, paint.get(), *look);
        return 0;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(frame, classicFrameProcedure, 0);
        delete look;
        return DefSubclassProc(frame, message, wParam, lParam);
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

// The caption's line centred on the control half a digit after the mark, the mark centred on
// that line to the pixel.
OptionLayout layOutParts(HDC dc, const RECT &content, SIZE mark, const std::wstring &caption) {
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

// A round mark in the colours shown: a ring in the caption's colour round the option's face, with
// a dot in the middle while the option is selected.
void drawMark(HDC dc, const RECT &mark, bool checked, double dpi) {
    const COLORREF ink = GetTextColor(dc);
    const Pen ring(CreatePen(PS_SOLID, std::max(1, atDotsPerInch(1, dpi)), ink));
    const Brush face(CreateSolidBrush(GetBkColor(dc)));
    const Brush dot(CreateSolidBrush(ink));
    const Selection pen(dc, ring.get());
    const Selection inside(dc, face.get());
    Ellipse(dc, mark.left, mark.top, mark.right, mark.bottom);
    if (!checked)
        return;
    RECT middle = mark;
    const int inset = (mark.right - mark.left) * 3 / 10;
    InflateRect(&middle, -inset, -inset);
    const Selection noPen(dc, GetStockObject(NULL_PEN));
    const Selection filled(dc, dot.get());
    Ellipse(dc, middle.left, middle.top, middle.right + 1, middle.bottom + 1);
}

// In the desktop's visual style where the option has one, else in the classic look, or with a
// mark of its own in the colours shown where they are not the desktop's; the caption with the
// focus rectangle round it when the option has the focus.
void paintOptionParts(const NMCUSTOMDRAW &draw, HTHEME theme, bool desktopLook, double dpi,
                      const std::wstring &caption) {
    HDC dc = draw.hdc;
    const int state = radioState(draw);
    OptionLayout layout = layOutOption(dc, draw.rc, theme, state, dpi, caption);
    const bool checked = state >= RBS_CHECKEDNORMAL;
    if (theme) {
        DrawThemeBackground(theme, dc, BP_RADIOBUTTON, state, &layout.mark, nullptr);
        DrawThemeText(theme, dc, BP_RADIOBUTTON, state, caption.c_str(),
                      static_cast<int>(caption.size()), optionCaptionFormat, 0, &layout.caption);
    } else {
        if (desktopLook)
            DrawFrameControl(dc, &layout.mark, DFC_BUTTON,
                             DFCS_BUTTONRADIO | (checked ? DFCS_CHECKED : 0) |
                                 (draw.uItemState & CDIS_SELECTED ? DFCS_PUSHED : 0));
        else
            drawMark(dc, layout.mark, checked, dpi);
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

FrameCaption layOutFrameCaption(HDC dc, const std::wstring &caption, double dpi) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    const int indent = atDotsPerInch(captionIndent, dpi);
    const int gap = atDotsPerInch(captionGap, dpi);
    return {{indent + gap, 0}, {indent, 0, indent + extent.cx + 2 * gap, extent.cy}};
}

RECT buttonFocusRect(const RECT &button, double dpi) {
    RECT focus = button;
    const int inset = atDotsPerInch(focusInset, dpi);
    InflateRect(&focus, -inset, -inset);
    return focus;
}

OptionLayout layOutOption(HDC dc, const RECT &box, HTHEME theme, int state, double dpi,
                          const std::wstring &caption) {
    RECT content = box;
    const int classic = atDotsPerInch(classicMark, dpi) + 1;
    SIZE mark{classic, classic};
    if (theme) {
        GetThemeBackgroundContentRect(theme, dc, BP_RADIOBUTTON, state, &box, &content);
        if (FAILED(GetThemePartSize(theme, dc, BP_RADIOBUTTON, state, &content, TS_DRAW, &mark)))
            mark = {classic, classic};
    }
    return layOutParts(dc, content, mark, caption);
}

void paintClassicButton(const DRAWITEMSTRUCT &item, const ShownColours &colours, double dpi) {
    HDC dc = item.hDC;
    const Edges edges = edgesOf(colours);
    RECT edge = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    FillRect(dc, &edge, parentColours(item.hwndItem, dc));
    // The focused button is the default one: a dark line round it.
    if (focused) {
        drawBevel(dc, edge, edges.darkShadow, edges.darkShadow);
        InflateRect(&edge, -1, -1);
    }
    if (pushed) {
        drawBevel(dc, edge, edges.shadow, edges.shadow);
    } else {
        drawBevel(dc, edge, edges.light, edges.darkShadow);
        InflateRect(&edge, -1, -1);
        drawBevel(dc, edge, edges.light, edges.shadow);
    }

    const Selection font(dc, GetWindowFont(item.hwndItem));
    RECT text = item.rcItem;
    if (pushed)
        OffsetRect(&text, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, windowText(item.hwndItem).c_str(), -1, &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
        const RECT focus = buttonFocusRect(item.rcItem, dpi);
        DrawFocusRect(dc, &focus);
    }
}

void paintAsClassicFrame(HWND frame, const WindowScale &scale, const ShownColours &colours) {
    SetWindowSubclass(frame, classicFrameProcedure, 0,
                      reinterpret_cast<DWORD_PTR>(new FrameLook{scale, colours}));
}

LRESULT paintOption(const NMCUSTOMDRAW &draw, const ShownColours &colours, double dpi) {
    if (draw.dwDrawStage != CDDS_PREERASE && draw.dwDrawStage != CDDS_PREPAINT)
        return CDRF_DODEFAULT;
    HWND option = draw.hdr.hwndFrom;
    const int saved = SaveDC(draw.hdc);
    IntersectClipRect(draw.hdc, draw.rc.left, draw.rc.top, draw.rc.right, draw.rc.bottom);
    FillRect(draw.hdc, &draw.rc, parentColours(option, draw.hdc));
    SelectObject(draw.hdc, GetWindowFont(option));
    const bool desktopLook = !colours.drawsOwnMarks();
    const ThemeAtDpi theme(option, L"Button", dpi);
    paintOptionParts(draw, desktopLook ? theme.get() : nullptr, desktopLook, dpi,
                     windowText(option));
    RestoreDC(draw.hdc, saved);
    return CDRF_SKIPDEFAULT;
}
