#include "form/RunDescription.h"

#include "demo/TextToNumber.h"
#include "design/WindowDesign.h"
#include "form/Options.h"
#include "form/Translation.h"

#include <cstdio>

namespace {

std::string number(const char *format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// "Frequency: 2": the caption of the frame whose buttons write the field, and the caption of
// the button that writes this value; a value no button writes is given as a number.
std::string settingInWords(SettingField field, double value) {
    std::string_view frame;
    std::string_view choice;
    for (Option option : allOptions) {
        const FixedWrite write = writeOf(option);
        if (write.field != field)
            continue;
        const ControlDesign &button = *findControl(optionName(option));
        frame = captionOf(*findControl(button.container));
        if (textToNumber(std::string(write.text)) == value)
            choice = captionOf(button);
    }
    const std::string written = choice.empty() ? number("%g", value) : std::string(choice);
    // TRANSLATORS: what a run showed, told to screen readers: a frame's title and the caption
    // of its option that the run had, as in "Mirror: Grating."
    return filledIn(translate("run description", "%s: %s."), {frame, written});
}

} // namespace

std::string describeRun(const RunResult &result) {
    const std::string_view lighting = result.detectorLit
                                          ? translate("run description", "The detector is lit.")
                                          : translate("run description", "The detector is dark.");
    // TRANSLATORS: the length of the resultant, the green arrow from the chain's start to its
    // end, in pixels: "165.1".
    const std::string length = filledIn(translate("run description", "The resultant is %s long."),
                                        {decimalNumber(result.resultantLength)});
    return settingInWords(SettingField::nDifrakce, result.mirrorStep) + " " +
           settingInWords(SettingField::nKmitocet, result.frequency) + " " +
           settingInWords(SettingField::nPoloha, result.detectorOffset) + " " +
           std::string(lighting) + " " + length;
}
