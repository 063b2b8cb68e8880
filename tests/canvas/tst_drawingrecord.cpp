#include "canvas/DrawingRecord.h"

#include <doctest/doctest.h>

namespace {

PenState pixelPen(int width) {
    PenState pen;
    pen.scaleMode = ScaleMode::pixels;
    pen.drawWidth = width;
    return pen;
}

} // namespace

// What lies wholly inside the drawing area is forgotten when a band begins; the rest, and the
// band itself, stay.
TEST_CASE("a band forgets what it covers") {
    enum Kind { line, circle, caption };
    const struct {
        const char *what;
        Kind kind;
        int x, y;
        bool kept;
    } rows[] = {
        {"a ray inside", line, 300, 350, false},
        {"a thick line reaching out of the area", line, 795, 350, true},
        {"the source's disc", circle, 50, 150, false},
        {"the heading, above the area", caption, 312, 8, true},
        {"a result caption inside", caption, 60, 130, false},
    };
    for (const auto &row : rows) {
        CAPTURE(row.what);
        DrawingRecord record;
        const PenState thick = pixelPen(4);
        const auto x = float(row.x), y = float(row.y);
        if (row.kind == line)
            record.add(Drawing::ofLine(thick, x - 100, y, x, y, {}));
        else if (row.kind == circle)
            record.add(Drawing::ofCircle(thick, x, y, 5, colour::darkGrey));
        else
            record.add(Drawing::ofCaption(thick, Caption::labZdroj, {row.x, row.y, 89, 25}));
        record.add(Drawing::ofLine(pixelPen(1), 5, 580, 795, 580, colour::lightGrey));
        CHECK(record.drawings().size() == (row.kept ? 2u : 1u));
        CHECK(record.drawings().back().y1 == 580.0f);
    }
}
