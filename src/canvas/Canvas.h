#pragma once

#include "canvas/Caption.h"
#include "canvas/Colour.h"
#include "canvas/PenState.h"

#include <cmath>
#include <optional>

// The immediate-mode drawing operations of the window's client area, with the pen state they
// draw with. The real surface paints the window's picture; tests draw into a recorder.
//
// Coordinates are in the current scale unit (ScaleMode) and are single precision: callers
// compute in double precision and narrow only when they hand a value over.
class Canvas {
public:
    virtual ~Canvas() = default;

    const PenState &pen() const { return pen_; }

    virtual void setScaleMode(ScaleMode mode) { pen_.scaleMode = mode; }
    virtual void setDrawWidth(int width) { pen_.drawWidth = width; }
    virtual void setFillColor(Colour fill) { pen_.fillColor = fill; }
    virtual void setFillStyle(FillStyle style) { pen_.fillStyle = style; }

    // Straight line at the current DrawWidth, in the given colour or else the foreground colour.
    virtual void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) = 0;

    // Circle outline in the given colour at the current DrawWidth, filled with FillColor when
    // FillStyle is solid.
    virtual void circle(float x, float y, float radius, Colour outline) = 0;

    // Caption position, in the current scale unit, and showing a caption.
    virtual void setCaptionLeft(Caption caption, float left) = 0;
    virtual void setCaptionTop(Caption caption, float top) = 0;
    virtual void showCaption(Caption caption) = 0;

    // The picture's strips, for a held run that steps through them: the drawings that follow
    // are the next strip's; and the picture as it stood after that many strips of the run, from
    // the picture's record (as many as were drawn: all of it). A surface without a record of
    // its picture ignores both.
    virtual void beginStrip() {}
    virtual void showStrips(int strips) { static_cast<void>(strips); }

protected:
    Canvas() = default;
    Canvas(const Canvas &) = default;
    Canvas &operator=(const Canvas &) = default;

    // A coordinate in the current scale unit, in pixels; and rounded to a whole pixel.
    float inPixels(float value) const { return pixelsOf(pen_, value); }
    int inWholePixels(float value) const { return static_cast<int>(std::lround(inPixels(value))); }

    PenState pen_;
};
