#pragma once

#include <iterator>
#include <optional>

// How large the form is shown, on every front end: one factor for the whole form, its controls,
// their fonts and the picture alike. The zoom keys step through zoomSteps; full screen, and a
// window that the form fills (a maximised window, or the page's ?zoom=fit), scale the form to
// fit with its proportions kept.
inline constexpr int zoomSteps[] = {100, 125, 150, 175, 200, 250, 300};
inline constexpr int zoomMinimum = zoomSteps[0];
inline constexpr int zoomMaximum = zoomSteps[std::size(zoomSteps) - 1];

// What the zoom keys ask: Ctrl+Plus (or Ctrl+=), Ctrl+Minus, Ctrl+0, F11 and Esc.
enum class ZoomKey { zoomIn, zoomOut, actualSize, toggleFullScreen, leaveFullScreen };

// The keys that zoom, as a front end names them: Plus includes =, which shares its key, and
// each includes its keypad twin.
enum class ZoomKeyName { f11, escape, plus, minus, zero };
// What a key asks, pressed with Ctrl or not: Plus, Minus and 0 zoom only with Ctrl.
std::optional<ZoomKey> zoomKeyOf(ZoomKeyName key, bool control);

struct Zoom {
    int percent = zoomMinimum; // the zoom of a window that the form does not fill
    bool fillsWindow = false;  // a maximised window, or the page's ?zoom=fit
    bool fullScreen = false;
    bool operator==(const Zoom &) const = default;
};

// The zoom after a key. The steps act on a window of its own size only: in full screen and in a
// window the form fills they are ignored, so that leaving gives back the zoom of before.
Zoom zoomAfter(Zoom zoom, ZoomKey key);

// The form's factor in an area of that size: the percent's, or where the form fills the area,
// the largest that fits it whole.
double zoomFactor(const Zoom &zoom, double areaWidth, double areaHeight);
