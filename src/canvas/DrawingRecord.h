#pragma once

#include "canvas/Caption.h"
#include "canvas/PenState.h"
#include "canvas/PixelRect.h"

#include <optional>
#include <vector>

// One drawing operation as a surface received it, with the pen it was made with: enough to
// draw it again.
struct Drawing {
    enum class Kind { line, circle, caption };

    static Drawing ofLine(const PenState &pen, float x1, float y1, float x2, float y2,
                          std::optional<Colour> colour);
    static Drawing ofCircle(const PenState &pen, float x, float y, float radius, Colour outline);
    static Drawing ofCaption(const PenState &pen, Caption id, const PixelRect &area);

    Kind kind;
    PenState pen;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a line's ends; a circle's centre and radius
    std::optional<Colour> colour;         // a line's colour (none: the foreground), an outline's
    Caption caption = Caption::labKliknete;
    PixelRect area{}; // where a caption was painted

private:
    Drawing(Kind k, const PenState &p) : kind(k), pen(p) {}
};

// What a surface has drawn that its picture still shows, so that the surface can draw the
// picture anew: at another resolution, or after it has lost it. A run's background band
// begins with a thin line in the window's background colour along the drawing area's bottom
// row and covers the whole drawing area: what lies wholly inside it is forgotten then.
//
// It also keeps where each strip of the run begins, so that the picture can be drawn as it
// stood after fewer of them.
class DrawingRecord {
public:
    void add(const Drawing &drawing);
    const std::vector<Drawing> &drawings() const { return drawings_; }

    // The drawings that follow are the next strip's.
    void beginStrip() { stripBegins_.push_back(drawings_.size()); }
    // How many of the drawings the picture shows after so many strips: all of them after as
    // many strips as were begun, or more.
    std::size_t drawingsAfterStrips(int strips) const;

private:
    std::vector<Drawing> drawings_;
    std::vector<std::size_t> stripBegins_; // of the run the picture shows
};
