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

void CanvasSurface::drawLine(const Drawing &d) {
    page::drawLine(pixelsOf(d.pen, d.x1), pixelsOf(d.pen, d.y1), pixelsOf(d.pen, d.x2),
                   pixelsOf(d.pen, d.y2), d.pen.drawWidth,
                   page::colourOf(d.colour.value_or(d.pen.foreColor)));
}

void CanvasSurface::drawCircle(const Drawing &d) {
    page::drawCircle(pixelsOf(d.pen, d.x1), pixelsOf(d.pen, d.y1), pixelsOf(d.pen, d.x2),
                     d.pen.drawWidth, page::colourOf(*d.colour),
                     d.pen.fillStyle == FillStyle::solid, page::colourOf(d.pen.fillColor));
}

void CanvasSurface::drawCaption(const Drawing &d) {
    const CaptionState &caption = captions_[d.caption];
    page::paintCaption(caption.text, d.area.left, d.area.top, d.area.width, d.area.height,
                       static_cast<int>(caption.font), page::colourOf(caption.colour),
                       caption.alignment == TextAlignment::centred,
                       page::colourOf(windowBackground));
    page::showCaption(static_cast<int>(caption.id), caption.text);
}
