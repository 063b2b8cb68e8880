#pragma once

#include "design/WindowDesign.h"

#include <string>
#include <string_view>

// Whether every caption of a language fits its control's box, as a renderer measures it: the
// captions of the controls shown when the window opens, and those on the picture, which a run
// shows. A caption on the picture may wrap, to no more lines than its English text takes, no
// line wider than its box. The tests of each front end measure in their renderer's own way.

// A text's size, or the room for it, in pixels at the design's resolution.
struct TextExtent {
    int width;
    int height;
};

// What a caption needs and the room its control leaves it.
struct CaptionFit {
    TextExtent needed;
    TextExtent room;
};

// How a renderer measures a caption: on its control, in one line, with the room the control's
// look leaves it; on the picture, wrapped within the caption's width.
class CaptionMeasure {
public:
    virtual CaptionFit onControl(const ControlDesign &control, std::string_view text) = 0;
    virtual TextExtent wrapped(const ControlDesign &caption, std::string_view text) = 0;

protected:
    ~CaptionMeasure() = default;
};

// What a language's captions came to.
struct LanguageFit {
    std::string language;
    std::string narrowest; // the control whose caption has the least room to spare across it
    int leastSpare;
    std::string tooLong; // each caption that does not fit, with its size and room; empty if none

    // "cs: the narrowest fit is opNe, 1 pixels to spare"
    std::string summary() const;
};

// Measures every caption in the language, which is spoken meanwhile, and English again after.
LanguageFit measureCaptions(std::string_view language, CaptionMeasure &measure);
