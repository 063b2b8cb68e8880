#pragma once

#include <windows.h>

#include <algorithm>
#include <optional>

// Where the parts of a horizontal scroll bar lie at its size and arrow width, which part a point
// is on, and how each looks under the mouse. The thumb is as wide as an arrow: the bar has no
// page.
enum class ScrollBarPart { none, leftArrow, leftTrack, thumb, rightTrack, rightArrow };

// The scroll code a press on an arrow or the track sends, and sends again while held.
inline UINT scrollCodeOf(ScrollBarPart part) {
    switch (part) {
    case ScrollBarPart::leftArrow:
        return SB_LINELEFT;
    case ScrollBarPart::leftTrack:
        return SB_PAGELEFT;
    case ScrollBarPart::rightTrack:
        return SB_PAGERIGHT;
    default:
        return SB_LINERIGHT;
    }
}

struct ScrollBarLayout {
    int width;
    int height;
    int arrow;
    int thumbLeft;
    int minimum;
    int maximum;

    // How far the thumb's left edge moves from one end of the range to the other.
    int travel() const { return std::max(width - 3 * arrow, 0); }
    // The thumb's left edge kept within the track.
    int clampedLeft(int left) const { return std::clamp(left, arrow, arrow + travel()); }
    RECT rectOf(ScrollBarPart part) const;
    ScrollBarPart at(POINT point) const;
    // The value of the thumb with its left edge there, and the reverse.
    int valueAt(int left) const;
    int leftFor(int value) const;
    // As the platform's scroll bar: a dragged thumb follows the pointer while it stays within two
    // bar heights of the bar's ends and eight of its sides, and goes back where it was beyond them.
    bool withinDragReach(POINT point) const;
};

inline RECT ScrollBarLayout::rectOf(ScrollBarPart part) const {
    switch (part) {
    case ScrollBarPart::leftArrow:
        return {0, 0, arrow, height};
    case ScrollBarPart::leftTrack:
        return {arrow, 0, thumbLeft, height};
    case ScrollBarPart::thumb:
        return {thumbLeft, 0, thumbLeft + arrow, height};
    case ScrollBarPart::rightTrack:
        return {thumbLeft + arrow, 0, width - arrow, height};
    case ScrollBarPart::rightArrow:
        return {width - arrow, 0, width, height};
    case ScrollBarPart::none:
        break;
    }
    return {};
}

// The arrows before the track, where a bar too short for both and its thumb overlaps them.
inline ScrollBarPart ScrollBarLayout::at(POINT point) const {
    if (point.x < 0 || point.y < 0 || point.x >= width || point.y >= height)
        return ScrollBarPart::none;
    for (ScrollBarPart part : {ScrollBarPart::leftArrow, ScrollBarPart::rightArrow,
                               ScrollBarPart::leftTrack, ScrollBarPart::rightTrack}) {
        const RECT area = rectOf(part);
        if (PtInRect(&area, point))
            return part;
    }
    return ScrollBarPart::thumb;
}

inline int ScrollBarLayout::valueAt(int left) const {
    if (travel() == 0)
        return minimum;
    const int moved = std::clamp(left - arrow, 0, travel());
    return minimum + (moved * (maximum - minimum) + travel() / 2) / travel();
}

inline int ScrollBarLayout::leftFor(int value) const {
    const int span = maximum - minimum;
    return arrow + (span > 0 ? MulDiv(travel(), value - minimum, span) : 0);
}

inline bool ScrollBarLayout::withinDragReach(POINT point) const {
    constexpr int reachAlong = 2;
    constexpr int reachAcross = 8;
    const int along = reachAlong * height;
    const int across = reachAcross * height;
    return point.x >= -along && point.x < width + along && point.y >= -across &&
           point.y < height + across;
}

// How a part looks, in the order of the visual style's states for each part.
enum class ScrollBarLook { normal, hot, pressed };

// What the mouse does on the bar.
struct ScrollBarPointer {
    ScrollBarPart held = ScrollBarPart::none; // the part the mouse button went down on
    std::optional<POINT> pointer;             // where it is, while it is over the bar or held
    int grabbedAt = 0;                        // a drag: the pointer's x where it began
    int thumbAtGrab = 0;                      // the thumb's left edge then
    int dragLeft = 0;                         // and where the pointer has moved that edge

    // The button goes down on a part, with the thumb's left edge there.
    void grab(ScrollBarPart part, POINT point, int thumbLeft) {
        held = part;
        grabbedAt = point.x;
        thumbAtGrab = dragLeft = thumbLeft;
    }
    // The dragged thumb follows the pointer within reach, and goes back where it was beyond it.
    void dragTo(const ScrollBarLayout &layout, POINT point) {
        dragLeft = thumbAtGrab + (layout.withinDragReach(point) ? point.x - grabbedAt : 0);
    }

    // A held part looks pressed while the pointer is on it, the dragged thumb wherever it is; a
    // part under the pointer looks hot.
    ScrollBarLook lookOf(const ScrollBarLayout &layout, ScrollBarPart part) const {
        const ScrollBarPart under = pointer ? layout.at(*pointer) : ScrollBarPart::none;
        if ((part == ScrollBarPart::thumb && held == part) || (held == part && under == part))
            return ScrollBarLook::pressed;
        return under == part ? ScrollBarLook::hot : ScrollBarLook::normal;
    }
};
