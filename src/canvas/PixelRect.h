#pragma once

// A rectangle in pixels of the client area at the design's resolution.
struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};
