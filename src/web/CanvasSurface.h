#pragma once

#include "form/RecordedCanvas.h"

// The window's client area in the browser: the page's canvas, which every drawing operation
// paints in the canvas's own pixels, at the page's scale (its device pixel ratio, and its zoom),
// by the rule the other front ends draw by (DevicePixels.h). The canvas shows at once what is
// drawn on it, and the page paints it at its next frame. The surface keeps what it has drawn
// since the last band began, so that it can draw the picture anew when the page makes its canvas
// anew (at another scale, or after the browser dropped it). The captions are painted onto it.
class CanvasSurface : public RecordedCanvas {
public:
    CanvasSurface();
    CanvasSurface(const CanvasSurface &) = delete;
    CanvasSurface &operator=(const CanvasSurface &) = delete;

    CaptionBoard &captions() override { return captions_; }

    // Draws the picture anew on the page's new canvas.
    void drawAnew() override;

private:
    // Takes the canvas's scale and paints it all in the background colour.
    void clear();
    int wrappedTextHeight(const CaptionState &caption) override;
    void drawLine(const Drawing &line) override;
    void drawCircle(const Drawing &circle) override;
    void drawCaption(const Drawing &caption) override;

    double scale_ = 1;
    CaptionBoard captions_{*this};
};
