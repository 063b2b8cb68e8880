#pragma once

#include "canvas/Caption.h"
#include "design/WindowDesign.h"

#include <array>
#include <string_view>

// A caption of the window as it stands: its text, place, font, colour and alignment from the
// design, where the run has moved it, and whether it is shown.
struct CaptionState {
    Caption id;
    std::string_view text; // UTF-8
    PixelRect place;       // pixels of the client area at the design's resolution
    ControlFont font;
    Colour colour;
    TextAlignment alignment;
    bool visible;
};

// What a surface does for the captions: it measures a caption's text wrapped within the
// caption's width, and paints a caption, opaque in the window's background, into an area.
class CaptionPainter {
public:
    // The height, in design pixels, of the caption's text wrapped within its width.
    virtual int wrappedTextHeight(const CaptionState &caption) = 0;
    virtual void paintCaption(const CaptionState &caption, const PixelRect &area) = 0;

protected:
    CaptionPainter() = default;
    CaptionPainter(const CaptionPainter &) = default;
    CaptionPainter &operator=(const CaptionPainter &) = default;
    ~CaptionPainter() = default;
};

// The window's eight captions, kept once for every surface. They have no window of their own:
// a caption is painted onto the picture when it is shown and whenever a shown caption is moved,
// and whatever is drawn there later covers it.
class CaptionBoard {
public:
    // The captions as designed. Nothing is painted until paintShown.
    explicit CaptionBoard(CaptionPainter &painter);

    const CaptionState &operator[](Caption id) const { return captions_[index(id)]; }

    // Paints every caption that is shown.
    void paintShown();

    void setLeft(Caption id, int left);
    void setTop(Caption id, int top);
    void show(Caption id);

    // Where a caption is painted: its rectangle, made taller where its wrapped text needs more
    // lines than the rectangle holds, so that no text is cut off.
    PixelRect area(Caption id);

    // The text is measured anew, as after a change of resolution.
    void remeasure() { textHeights_.fill(unmeasured); }

private:
    static constexpr int unmeasured = -1;
    static std::size_t index(Caption id) { return static_cast<std::size_t>(id); }
    void paintIfShown(Caption id);

    CaptionPainter &painter_;
    std::array<CaptionState, captionCount> captions_{};
    std::array<int, captionCount> textHeights_{};
};
