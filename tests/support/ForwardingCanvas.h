#pragma once

#include "canvas/Canvas.h"

// A canvas that hands every operation on to another one. Derive from it to look at what a run
// draws while it still draws on the real surface.
class ForwardingCanvas : public Canvas {
public:
    explicit ForwardingCanvas(Canvas &target) : target_(target) {}

    void setScaleMode(ScaleMode mode) override {
        Canvas::setScaleMode(mode);
        target_.setScaleMode(mode);
    }
    void setDrawWidth(int width) override {
        Canvas::setDrawWidth(width);
        target_.setDrawWidth(width);
    }
    void setFillColor(Colour fill) override {
        Canvas::setFillColor(fill);
        target_.setFillColor(fill);
    }
    void setFillStyle(FillStyle style) override {
        Canvas::setFillStyle(style);
        target_.setFillStyle(style);
    }
    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override {
        target_.line(x1, y1, x2, y2, colour);
    }
    void circle(float x, float y, float radius, Colour outline) override {
        target_.circle(x, y, radius, outline);
    }
    void setCaptionLeft(Caption caption, float left) override {
        target_.setCaptionLeft(caption, left);
    }
    void setCaptionTop(Caption caption, float top) override { target_.setCaptionTop(caption, top); }
    void showCaption(Caption caption) override { target_.showCaption(caption); }
    void beginStrip() override { target_.beginStrip(); }
    void showStrips(int strips) override { target_.showStrips(strips); }

private:
    Canvas &target_;
};
