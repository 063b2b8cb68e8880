#include "win32/ScrollBarDrawing.h"

#include "win32/GdiObjects.h"

#include <vssym32.h>

#include <algorithm>

namespace {

using Part = ScrollBarPart;
using Layout = ScrollBarLayout;

// A held part of the track, in the classic look: its brush's colours inverted.
constexpr DWORD notPatternCopy = 0x000F0001;

void drawStyled(const Layout &layout, const ScrollBarPointer &mouse, HDC dc, HTHEME theme,
                HBRUSH track) {
    const auto draw = [&](int part, int firstState, Part which) {
        const RECT area = layout.rectOf(which);
        const int state = firstState + static_cast<int>(mouse.lookOf(layout, which));
        if (area.right > area.left)
            DrawThemeBackground(theme, dc, part, state, &area, nullptr);
        return state;
    };
    draw(SBP_ARROWBTN, ABS_LEFTNORMAL, Part::leftArrow);
    draw(SBP_ARROWBTN, ABS_RIGHTNORMAL, Part::rightArrow);
    const RECT left = layout.rectOf(Part::leftTrack);
    FillRect(dc, &left, track);
    const int thumb = draw(SBP_THUMBBTNHORZ, SCRBS_NORMAL, Part::thumb);
    SIZE gripper{};
    MARGINS margins{};
    RECT area = layout.rectOf(Part::thumb);
    if (SUCCEEDED(
            GetThemePartSize(theme, dc, SBP_GRIPPERHORZ, thumb, nullptr, TS_DRAW, &gripper)) &&
        SUCCEEDED(GetThemeMargins(theme, dc, SBP_THUMBBTNHORZ, thumb, TMT_CONTENTMARGINS, &area,
                                  &margins)) &&
        gripper.cx <= layout.arrow - margins.cxLeftWidth - margins.cxRightWidth)
        draw(SBP_GRIPPERHORZ, SCRBS_NORMAL, Part::thumb);
    const RECT right = layout.rectOf(Part::rightTrack);
    if (right.right > right.left)
        FillRect(dc, &right, track);
}

void drawClassic(const Layout &layout, const ScrollBarPointer &mouse, HDC dc, HBRUSH track) {
    const auto pressed = [&](Part part) {
        return mouse.lookOf(layout, part) == ScrollBarLook::pressed;
    };
    const auto arrow = [&](Part part, UINT glyph) {
        RECT area = layout.rectOf(part);
        DrawFrameControl(dc, &area, DFC_SCROLL,
                         glyph | (pressed(part) ? DFCS_PUSHED | DFCS_FLAT : 0));
    };
    arrow(Part::leftArrow, DFCS_SCROLLLEFT);
    arrow(Part::rightArrow, DFCS_SCROLLRIGHT);
    const HGDIOBJ before = SelectObject(dc, track);
    for (Part part : {Part::leftTrack, Part::rightTrack}) {
        const RECT area = layout.rectOf(part);
        PatBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
               pressed(part) ? notPatternCopy : PATCOPY);
    }
    SelectObject(dc, before);
    RECT thumb = layout.rectOf(Part::thumb);
    DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

// An arrow's triangle, centred in its box, pointing left or right.
void drawArrow(HDC dc, const RECT &box, bool right, COLORREF colour) {
    const int reach = std::max(2, int(std::min(box.right - box.left, box.bottom - box.top)) / 4);
    const int x = (box.left + box.right) / 2;
    const int y = (box.top + box.bottom) / 2;
    const int tip = right ? x + reach / 2 : x - reach / 2;
    const int base = right ? x - reach / 2 : x + reach / 2;
    const POINT corners[] = {{tip, y}, {base, y - reach}, {base, y + reach}};
    const Brush brush(CreateSolidBrush(colour));
    const Pen pen(CreatePen(PS_SOLID, 1, colour));
    const Selection filled(dc, brush.get());
    const Selection edged(dc, pen.get());
    Polygon(dc, corners, 3);
}

} // namespace

void drawFlatScrollBar(const Layout &layout, const ScrollBarPointer &mouse, HDC dc,
                       const FlatScrollBarColours &colours) {
    const auto pressed = [&](Part part) {
        return mouse.lookOf(layout, part) == ScrollBarLook::pressed;
    };
    for (Part part : {Part::leftTrack, Part::rightTrack})
        fillWith(dc, layout.rectOf(part), pressed(part) ? colours.edge : colours.track);
    const Brush edge(CreateSolidBrush(colours.edge));
    for (Part part : {Part::leftArrow, Part::rightArrow}) {
        const RECT box = layout.rectOf(part);
        fillWith(dc, box, pressed(part) ? colours.edge : colours.track);
        FrameRect(dc, &box, edge.get());
        drawArrow(dc, box, part == Part::rightArrow, pressed(part) ? colours.track : colours.ink);
    }
    fillWith(dc, layout.rectOf(Part::thumb), colours.edge);
}

void drawScrollBar(const ScrollBarLayout &layout, const ScrollBarPointer &mouse, HDC dc,
                   HTHEME theme, HBRUSH track) {
    if (theme)
        drawStyled(layout, mouse, dc, theme, track);
    else
        drawClassic(layout, mouse, dc, track);
}
