#include "web/PageDesign.h"

#include "form/Keys.h"
#include "form/SpeedBar.h"
#include "form/Translation.h"

namespace {

std::string_view kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::scrollBar:
        return "scrollBar";
    case ControlKind::settingsField:
        return "settingsField";
    case ControlKind::frame:
        return "frame";
    case ControlKind::option:
        return "option";
    case ControlKind::command:
        return "command";
    case ControlKind::caption:
        return "caption";
    }
    return {};
}

template <typename Enumeration> int numberOf(Enumeration value) {
    return static_cast<int>(value);
}

} // namespace

page::Font fontForPage(const FontDesign &font) {
    return {.face = font.face,
            .standIn = font.standIn,
            .serif = font.family == FontFamily::serif,
            .pointSize = font.pointSize,
            .bold = font.bold};
}

page::Control controlForPage(const ControlDesign &control) {
    return {.index = controlIndex(control),
            .name = control.name,
            .kind = kindName(control.kind),
            .container = control.container,
            .caption = captionOf(control),
            .place = placeInClientArea(control),
            .font = control.font,
            .visible = control.visible,
            .tabIndex = control.tabIndex};
}

page::SpeedBar speedBarForPage() {
    return {.minimum = speedMinimum,
            .maximum = speedMaximum,
            .moves = {.stepDown = numberOf(SpeedBarMove::stepDown),
                      .stepUp = numberOf(SpeedBarMove::stepUp),
                      .toMinimum = numberOf(SpeedBarMove::toMinimum),
                      .toMaximum = numberOf(SpeedBarMove::toMaximum),
                      .thumbTo = numberOf(SpeedBarMove::thumbTo)}};
}

page::HoldNumbers holdNumbersForPage() {
    return {.keys = {.p = numberOf(HoldKeyName::p),
                     .pause = numberOf(HoldKeyName::pause),
                     .right = numberOf(HoldKeyName::right),
                     .pageDown = numberOf(HoldKeyName::pageDown),
                     .left = numberOf(HoldKeyName::left),
                     .pageUp = numberOf(HoldKeyName::pageUp)},
            .commands = {.holdOrGoOn = numberOf(HoldCommand::holdOrGoOn),
                         .stepForward = numberOf(HoldCommand::stepForward),
                         .stepBack = numberOf(HoldCommand::stepBack)}};
}

void colourPage(const ShownColours &colours) {
    page::setColours({.background = page::colourOf(colours.background()),
                      .text = page::colourOf(colours.of(colour::buttonText)),
                      .focus = page::colourOf(colours.focus()),
                      .edgeShadow = page::colourOf(colours.edgeShadow()),
                      .edgeLight = page::colourOf(colours.edgeLight()),
                      .ownMarks = colours.drawsOwnMarks()});
    for (const ControlDesign &control : windowControls())
        page::colourControl(controlIndex(control), page::colourOf(colours.textOf(control)),
                            page::colourOf(colours.faceOf(control)));
}
