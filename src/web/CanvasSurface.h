#pragma once

#include "design/ColourProfiles.h"
#include "form/RecordedCanvas.h"

// The window's client area in the browser: the page's canvas, which every drawing operation
// paints in the canvas's own pixels, at the page's scale (its device pixel ratio, and its zoom),
// by the rule the other front ends draw by (DevicePixels.h). The canvas shows at once what is
// drawn on it, and the page paints it at its next frame. The surface keeps what it has drawn
// since the last band began, so that it can draw the picture anew when the page makes its canvas
// anew (at another scale, or after the browser dropped it, or in other colours). Every colour is
// painted as the colours shown give it. The captions are painted onto it.
class CanvasSurface : public RecordedCanvas {
public:
    CanvasSurface();
    CanvasSurface(const CanvasSurface &) = delete;
    CanvasSurface &operator=(const CanvasSurface &) = delete;

    CaptionBoard &captions() override { return captions_; }

    // Draws the picture anew on the page's new canvas.
    void drawAnew() override;
    // Draws it anew in these colours, and what comes after in them too.
    void showColours(const ShownColours &colours);

private:
    // Takes the canvas's scale and paints it all in the background colour.
    void clear();
    // A colour the design names, as the page paints it.
    int shown(Colour designed) const;
    int wrappedTextHeight(const CaptionState &caption) override;
    void drawLine(const Drawing &line) override;
    void drawCircle(const Drawing &circle) override;
    void drawCaption(const Drawing &caption) override;

    ShownColours colours_;
    double scale_ = 1;
    CaptionBoard captions_{*this};
};
