#include "form/RunDescription.h"

#include "demo/TextToNumber.h"
#include "design/WindowDesign.h"
#include "form/Options.h"

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
        frame = findControl(button.container)->caption;
        if (textToNumber(std::string(write.text)) == value)
            choice = button.caption;
    }
    return std::string(frame) + ": " +
           (choice.empty() ? number("%g", value) : std::string(choice)) + ".";
}

} // namespace

std::string describeRun(const RunResult &result) {
    return settingInWords(SettingField::nDifrakce, result.mirrorStep) + " " +
           settingInWords(SettingField::nKmitocet, result.frequency) + " " +
           settingInWords(SettingField::nPoloha, result.detectorOffset) + " The detector is " +
           (result.detectorLit ? "lit" : "dark") + ". The resultant is " +
           number("%.1f", result.resultantLength) + " long.";
}
