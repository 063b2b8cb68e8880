#include "web/CanvasSurface.h"

#include "design/WindowDesign.h"
#include "web/Page.h"

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
        page::drawLine(pixelsOf(pen, d.x1), pixelsOf(pen, d.y1), pixelsOf(pen, d.x2),
                       pixelsOf(pen, d.y2), pen.drawWidth,
                       page::colourOf(d.colour.value_or(pen.foreColor)));
        return;
    case Drawing::Kind::circle:
        page::drawCircle(pixelsOf(pen, d.x1), pixelsOf(pen, d.y1), pixelsOf(pen, d.x2),
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
