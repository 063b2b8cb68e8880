#pragma once

#include "form/RecordedCanvas.h"

// The window's client area in the browser: the page's canvas, which every drawing operation
// paints, at the page's device pixel ratio. The canvas shows at once what is drawn on it, and
// the page paints it at its next frame. The surface keeps what it has drawn since the last band
// began, so that it can draw the picture anew when the page makes its canvas anew (at another
// device pixel ratio, or after the browser dropped it). The captions are painted onto it.
class CanvasSurface : public RecordedCanvas {
public:
    CanvasSurface();
    CanvasSurface(const CanvasSurface &) = delete;
    CanvasSurface &operator=(const CanvasSurface &) = delete;

    CaptionBoard &captions() override { return captions_; }

    // Draws the picture anew on the page's new canvas.
    void drawAnew();

private:
    int wrappedTextHeight(const CaptionState &caption) override;
    void drawLine(const Drawing &line) override;
    void drawCircle(const Drawing &circle) override;
    void drawCaption(const Drawing &caption) override;

    CaptionBoard captions_{*this};
};
