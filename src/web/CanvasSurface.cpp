#include "web/CanvasSurface.h"

#include "canvas/DevicePixels.h"
#include "design/WindowDesign.h"
#include "web/Page.h"

#include <optional>

namespace {

// Where a coordinate of the client area lies on the canvas: a thin line's whole coordinates at
// the middle of their pixels, so that one along a column or a row covers its pixels.
double onCanvas(double v, int width, double scale) {
    return width <= 1 ? v * scale + 0.5 * scale : v * scale;
}

} // namespace

CanvasSurface::CanvasSurface() {
    clear();
    captions_.paintShown();
}

void CanvasSurface::drawAnew() {
    clear();
    captions_.remeasure();
    drawAgain();
}

void CanvasSurface::showColours(const ShownColours &colours) {
    colours_ = colours;
    drawAnew();
}

void CanvasSurface::clear() {
    scale_ = page::pictureScale();
    page::clearPicture(shown(windowBackground));
}

int CanvasSurface::shown(Colour designed) const {
    return page::colourOf(colours_.of(designed));
}

int CanvasSurface::wrappedTextHeight(const CaptionState &caption) {
    return page::wrappedTextHeight(caption.text, caption.place.width,
                                   static_cast<int>(caption.font));
}

void CanvasSurface::drawLine(const Drawing &d) {
    const double x1 = pixelsOf(d.pen, d.x1), y1 = pixelsOf(d.pen, d.y1);
    const double x2 = pixelsOf(d.pen, d.x2), y2 = pixelsOf(d.pen, d.y2);
    const int colour = shown(d.colour.value_or(d.pen.foreColor));
    const int width = d.pen.drawWidth;
    // A thin run of whole pixels is filled as such: the background band is 500 of them.
    const std::optional<PixelRect> run =
        width <= 1 ? deviceRun(x1, y1, x2, y2, scale_) : std::nullopt;
    if (run)
        return page::fillPixels(*run, colour);
    page::strokeLine(onCanvas(x1, width, scale_), onCanvas(y1, width, scale_),
                     onCanvas(x2, width, scale_), onCanvas(y2, width, scale_),
                     deviceLineWidth(width, scale_), colour);
}

void CanvasSurface::drawCircle(const Drawing &d) {
    page::strokeCircle(pixelsOf(d.pen, d.x1) * scale_, pixelsOf(d.pen, d.y1) * scale_,
                       pixelsOf(d.pen, d.x2) * scale_, deviceLineWidth(d.pen.drawWidth, scale_),
                       shown(*d.colour), d.pen.fillStyle == FillStyle::solid,
                       shown(d.pen.fillColor));
}

// Opaque in the background colour, its text wrapped within its width.
void CanvasSurface::drawCaption(const Drawing &d) {
    const CaptionState &caption = captions_[d.caption];
    page::fillPixels(deviceRect(d.area, scale_), shown(windowBackground));
    page::paintText(caption.text, d.area, static_cast<int>(caption.font), shown(caption.colour),
                    caption.alignment == TextAlignment::centred);
    page::showCaption(static_cast<int>(caption.id), caption.text);
}
