#include "CaptionFits.h"

#include "form/Translation.h"

#include <algorithm>
#include <climits>

namespace {

// The frames', option buttons' and push buttons' captions shown when the window opens, and the
// captions on the picture.
bool isMeasured(const ControlDesign &design) {
    switch (design.kind) {
    case ControlKind::caption:
        return true;
    case ControlKind::frame:
    case ControlKind::option:
    case ControlKind::command:
        return isShownAtStart(design);
    default:
        return false;
    }
}

CaptionFit fitOf(const ControlDesign &design, std::string_view text, CaptionMeasure &measure) {
    if (design.kind != ControlKind::caption)
        return measure.onControl(design, text);
    const PixelRect box = inPixels(design.geometry);
    const int englishHeight = measure.wrapped(design, design.caption).height;
    return {measure.wrapped(design, text), {box.width, std::max(box.height, englishHeight)}};
}

std::string sizes(TextExtent extent) {
    return std::to_string(extent.width) + " x " + std::to_string(extent.height);
}

} // namespace

std::string LanguageFit::summary() const {
    return language + ": the narrowest fit is " + narrowest + ", " + std::to_string(leastSpare) +
           " pixels to spare";
}

LanguageFit measureCaptions(std::string_view language, CaptionMeasure &measure) {
    speak(language);
    LanguageFit result{std::string(language), {}, INT_MAX, {}};
    for (const ControlDesign &design : windowControls()) {
        if (!isMeasured(design))
            continue;
        const std::string_view text = translate(design.name, design.caption);
        const auto [needed, room] = fitOf(design, text, measure);
        if (room.width - needed.width < result.leastSpare) {
            result.leastSpare = room.width - needed.width;
            result.narrowest = design.name;
        }
        if (needed.width > room.width || needed.height > room.height)
            result.tooLong += (result.tooLong.empty() ? "" : "; ") + std::string(design.name) +
                              " \"" + std::string(text) + "\": " + sizes(needed) +
                              " pixels in a room of " + sizes(room);
    }
    speak("en");
    return result;
}
