#pragma once

#include "canvas/DrawingRecord.h"
#include "form/CaptionedCanvas.h"

// The window's client area in the browser: the page's canvas, which every drawing operation
// paints, at the page's device pixel ratio. The canvas shows at once what is drawn on it, and
// the page paints it at its next frame. The surface keeps what it has drawn since the last band
// began, so that it can draw the picture anew when the page makes its canvas anew (at another
// device pixel ratio, or after the browser dropped it). The captions are painted onto it.
class CanvasSurface : public CaptionedCanvas, private CaptionPainter {
public:
    CanvasSurface();
    CanvasSurface(const CanvasSurface &) = delete;
    CanvasSurface &operator=(const CanvasSurface &) = delete;

    CaptionBoard &captions() override { return captions_; }

    // Draws the picture anew on the page's new canvas.
    void drawAnew();

    // What the picture shows at the end of a run: the resultant, green, and whether the
    // detector is marked lit (a white disc of radius 10).
    double resultantLength() const;
    bool detectorMarkedLit() const;

    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override;
    void circle(float x, float y, float radius, Colour outline) override;

private:
    int wrappedTextHeight(const CaptionState &caption) override;
    void paintCaption(const CaptionState &caption, const PixelRect &area) override;

    void draw(const Drawing &drawing) const;

    DrawingRecord drawn_;
    CaptionBoard captions_{*this};
};
