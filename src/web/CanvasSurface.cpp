#include "web/CanvasSurface.h"

#include "design/WindowDesign.h"
#include "web/Page.h"

#include <cmath>

namespace {

constexpr float litMarkRadius = 10;

float toPixels(const PenState &pen, float value) {
    return pen.scaleMode == ScaleMode::twips ? value / twipsPerPixel : value;
}

} // namespace

CanvasSurface::CanvasSurface() {
    page::clearPicture(page::colourOf(windowBackground));
    captions_.paintShown();
}

void CanvasSurface::drawAnew() {
    page::clearPicture(page::colourOf(windowBackground));
    captions_.remeasure();
    drawAgain();
}

int CanvasSurface::wrappedTextHeight(const CaptionState &caption) {
    return page::wrappedTextHeight(caption.text, caption.place.width,
                                   static_cast<int>(caption.font));
}

void CanvasSurface::draw(const Drawing &d) {
    const PenState &pen = d.pen;
    switch (d.kind) {
    case Drawing::Kind::line:
        page::drawLine(toPixels(pen, d.x1), toPixels(pen, d.y1), toPixels(pen, d.x2),
                       toPixels(pen, d.y2), pen.drawWidth,
                       page::colourOf(d.colour.value_or(pen.foreColor)));
        return;
    case Drawing::Kind::circle:
        page::drawCircle(toPixels(pen, d.x1), toPixels(pen, d.y1), toPixels(pen, d.x2),
                         pen.drawWidth, page::colourOf(*d.colour),
                         pen.fillStyle == FillStyle::solid, page::colourOf(pen.fillColor));
        return;
    case Drawing::Kind::caption: {
        const CaptionState &caption = captions_[d.caption];
        page::paintCaption(caption.text, d.area.left, d.area.top, d.area.width, d.area.height,
                           static_cast<int>(caption.font), page::colourOf(caption.colour),
                           caption.alignment == TextAlignment::centred,
                           page::colourOf(windowBackground));
        return;
    }
    }
}

double CanvasSurface::resultantLength() const {
    double length = 0;
    for (const Drawing &d : drawn().drawings())
        if (d.kind == Drawing::Kind::line && d.colour == colour::green)
            length = std::hypot(double(d.x2) - d.x1, double(d.y2) - d.y1);
    return length;
}

bool CanvasSurface::detectorMarkedLit() const {
    for (const Drawing &d : drawn().drawings())
        if (d.kind == Drawing::Kind::circle && d.x2 == litMarkRadius &&
            d.pen.fillStyle == FillStyle::solid && d.pen.fillColor == colour::white)
            return true;
    return false;
}
