#include "canvas/DrawingRecord.h"

#include "canvas/DrawingArea.h"

#include <algorithm>

namespace {

struct Bounds {
    double left, top, right, bottom;
};

double inPixels(const Drawing &drawing, float value) {
    return drawing.pen.scaleMode == ScaleMode::twips ? double(value) / twipsPerPixel : value;
}

// The pixels a drawing may cover, its pen's width included.
Bounds boundsOf(const Drawing &d) {
    switch (d.kind) {
    case Drawing::Kind::line: {
        const double margin = d.pen.drawWidth / 2.0;
        return {std::min(inPixels(d, d.x1), inPixels(d, d.x2)) - margin,
                std::min(inPixels(d, d.y1), inPixels(d, d.y2)) - margin,
                std::max(inPixels(d, d.x1), inPixels(d, d.x2)) + margin,
                std::max(inPixels(d, d.y1), inPixels(d, d.y2)) + margin};
    }
    case Drawing::Kind::circle: {
        const double reach = inPixels(d, d.x2) + d.pen.drawWidth / 2.0;
        return {inPixels(d, d.x1) - reach, inPixels(d, d.y1) - reach, inPixels(d, d.x1) + reach,
                inPixels(d, d.y1) + reach};
    }
    case Drawing::Kind::caption:
        break;
    }
    return {double(d.area.left), double(d.area.top), double(d.area.left + d.area.width - 1),
            double(d.area.top + d.area.height - 1)};
}

bool liesInTheDrawingArea(const Drawing &drawing) {
    const Bounds b = boundsOf(drawing);
    return b.left >= DrawingArea::left && b.right <= DrawingArea::right &&
           b.top >= DrawingArea::top && b.bottom <= DrawingArea::bottom;
}

bool beginsBand(const Drawing &d) {
    return d.kind == Drawing::Kind::line && d.pen.drawWidth == 1 && d.colour == colour::lightGrey &&
           inPixels(d, d.y1) == DrawingArea::bottom && inPixels(d, d.y2) == DrawingArea::bottom &&
           inPixels(d, d.x1) == DrawingArea::left && inPixels(d, d.x2) == DrawingArea::right;
}

} // namespace

Drawing Drawing::ofLine(const PenState &pen, float x1, float y1, float x2, float y2,
                        std::optional<Colour> colour) {
    Drawing drawing(Kind::line, pen);
    drawing.x1 = x1;
    drawing.y1 = y1;
    drawing.x2 = x2;
    drawing.y2 = y2;
    drawing.colour = colour;
    return drawing;
}

Drawing Drawing::ofCircle(const PenState &pen, float x, float y, float radius, Colour outline) {
    Drawing drawing(Kind::circle, pen);
    drawing.x1 = x;
    drawing.y1 = y;
    drawing.x2 = radius;
    drawing.colour = outline;
    return drawing;
}

Drawing Drawing::ofCaption(const PenState &pen, Caption id, const PixelRect &area) {
    Drawing drawing(Kind::caption, pen);
    drawing.caption = id;
    drawing.area = area;
    return drawing;
}

void DrawingRecord::add(const Drawing &drawing) {
    if (beginsBand(drawing)) {
        std::erase_if(drawings_, liesInTheDrawingArea);
        stripBegins_.clear();
    }
    drawings_.push_back(drawing);
}

std::size_t DrawingRecord::drawingsAfterStrips(int strips) const {
    if (strips < 0 || std::size_t(strips) >= stripBegins_.size())
        return drawings_.size();
    return stripBegins_[std::size_t(strips)];
}
