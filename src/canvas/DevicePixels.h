#pragma once

#include "canvas/PixelRect.h"

#include <optional>

// How a surface that draws the design's pixels at a scale (the device's pixel ratio, the
// monitor's resolution, the zoom) puts thin lines on whole device pixels, the same on every
// front end.

// How many device pixels wide a line of a width is drawn: in proportion, at least one.
int deviceLineWidth(int width, double scale);

// A rectangle of design pixels in device pixels: each edge on the device pixel nearest to it, so
// that rectangles side by side meet without a gap or an overlap at any scale.
PixelRect deviceRect(const PixelRect &area, double scale);

// A thin line along one row or one column of whole design pixels, from (x1, y1) to (x2, y2),
// both ends included, in device pixels: the device rectangle of its pixels, so that
// neighbouring lines meet without a gap at any scale, and each way at least as thick as a thin
// line is at the scale. Any other line is no such run.
std::optional<PixelRect> deviceRun(double x1, double y1, double x2, double y2, double scale);
