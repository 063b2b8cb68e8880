#pragma once

// Where a run draws: the client area's pixels x 5..795, y 81..580, which the run's background
// band paints over. The window's client area holds it with a margin as wide as its left one.
struct DrawingArea {
    static constexpr int left = 5;
    static constexpr int right = 795;
    static constexpr int top = 81;
    static constexpr int bottom = 580;
    static constexpr int width = right - left + 1;
    static constexpr int height = bottom - top + 1;
};
