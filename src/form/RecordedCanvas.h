#pragma once

#include "canvas/DrawingRecord.h"
#include "form/CaptionedCanvas.h"

// A surface that keeps a record of what it draws, captions included, so that it can draw its
// picture anew: at another resolution, or after it has lost it. Each drawing is recorded, then
// drawn by the surface.
class RecordedCanvas : public CaptionedCanvas, protected CaptionPainter {
public:
    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) final {
        record(Drawing::ofLine(pen_, x1, y1, x2, y2, colour));
    }
    void circle(float x, float y, float radius, Colour outline) final {
        record(Drawing::ofCircle(pen_, x, y, radius, outline));
    }

protected:
    void paintCaption(const CaptionState &caption, const PixelRect &area) final {
        record(Drawing::ofCaption(pen_, caption.id, area));
    }

    // Draws one operation of its kind into the picture, with the pen it was made with.
    virtual void drawLine(const Drawing &line) = 0;
    virtual void drawCircle(const Drawing &circle) = 0;
    virtual void drawCaption(const Drawing &caption) = 0;

    void beginStrip() final { drawn_.beginStrip(); }
    // The picture is drawn anew from the record, as it stood after that many strips.
    void showStrips(int strips) final {
        shown_ = drawn_.drawingsAfterStrips(strips);
        drawAnew();
    }

    // Clears the picture and draws again everything it shows (drawAgain).
    virtual void drawAnew() = 0;

    // Draws again everything the picture still shows, or as much of it as a held run shows;
    // the pen stays as it was.
    void drawAgain() {
        const PenState pen = pen_;
        const std::vector<Drawing> &drawings = drawn_.drawings();
        for (std::size_t i = 0; i < drawings.size() && i < shown_; ++i)
            draw(drawings[i]);
        pen_ = pen;
    }

private:
    void draw(const Drawing &drawing) {
        switch (drawing.kind) {
        case Drawing::Kind::line:
            return drawLine(drawing);
        case Drawing::Kind::circle:
            return drawCircle(drawing);
        case Drawing::Kind::caption:
            return drawCaption(drawing);
        }
    }

    void record(const Drawing &drawing) {
        drawn_.add(drawing);
        shown_ = everything;
        draw(drawing);
    }

    static constexpr std::size_t everything = std::size_t(-1);

    DrawingRecord drawn_;
    std::size_t shown_ = everything; // how many of the record's drawings the picture shows
};
