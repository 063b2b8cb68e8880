#include "design/ColourProfiles.h"

#include "design/WindowDesign.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array<std::string_view, 3> profileNames = {"design", "projector", "high-contrast"};

// The Windows system colours' indexes.
constexpr int colorWindow = 5;
constexpr int colorWindowText = 8;
constexpr int colorCaptionText = 9;
constexpr int colorHighlight = 13;
constexpr int colorButtonFace = 15;
constexpr int colorButtonText = 18;

constexpr std::array<SystemColourName, 6> systemNames = {{
    {&SystemColours::window, colorWindow, "Window", "Canvas"},
    {&SystemColours::windowText, colorWindowText, "WindowText", "CanvasText"},
    {&SystemColours::highlight, colorHighlight, "Hilight", "Highlight"},
    {&SystemColours::buttonFace, colorButtonFace, "ButtonFace", "ButtonFace"},
    {&SystemColours::buttonText, colorButtonText, "ButtonText", "ButtonText"},
    {&SystemColours::titleBarText, colorCaptionText, "TitleText", ""},
}};

// The projector's colours, beside white and black: a strong blue for the dots and outlines, which
// stand out from the white background and from the black lines they lie on; a green for the
// resultant that stands out from both as well; and a lit lamp's amber for the lit detector.
constexpr Colour strongBlue = 0xD05F1F;  // #1F5FD0
constexpr Colour strongGreen = 0x008A00; // #008A00
constexpr Colour amber = 0x00C0FF;       // #FFC000
// A command button's face, and a frame's or a button's edge.
constexpr Colour projectorButtonFace = 0xF0F0F0;
constexpr Colour projectorEdge = 0x767676;
constexpr Colour designEdge = 0x808080;

// Each colour the design names, what it is used for, and what the projector and high contrast
// show for it.
struct ProfileRow {
    Colour designed;
    Colour projector;
    Colour SystemColours::*highContrast;
};
constexpr std::array<ProfileRow, 7> profileRows = {{
    // the window's and the picture's background, and the unlit detector's fill
    {colour::lightGrey, colour::white, &SystemColours::window},
    // the outlines of the source, the detector and the dots
    {colour::darkGrey, strongBlue, &SystemColours::windowText},
    // the text of a frame
    {colour::black, colour::black, &SystemColours::windowText},
    // the lines, the captions and the controls' text
    {colour::buttonText, colour::black, &SystemColours::windowText},
    // the source's fill
    {colour::titleBarText, colour::white, &SystemColours::window},
    // the lit detector's fill
    {colour::white, amber, &SystemColours::highlight},
    // the resultant
    {colour::green, strongGreen, &SystemColours::highlight},
}};

const ProfileRow *rowOf(Colour designed) {
    const auto row =
        std::find_if(profileRows.begin(), profileRows.end(),
                     [designed](const ProfileRow &r) { return r.designed == designed; });
    return row == profileRows.end() ? nullptr : &*row;
}

double channelLuminance(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(Colour c) {
    return 0.2126 * channelLuminance(colour::redOf(c)) +
           0.7152 * channelLuminance(colour::greenOf(c)) +
           0.0722 * channelLuminance(colour::blueOf(c));
}

} // namespace

std::span<const std::string_view> colourProfileNames() {
    return profileNames;
}

std::optional<ColourProfile> colourProfileNamed(std::string_view name) {
    const auto found = std::find(profileNames.begin(), profileNames.end(), name);
    if (found == profileNames.end())
        return std::nullopt;
    return static_cast<ColourProfile>(found - profileNames.begin());
}

std::string_view nameOf(ColourProfile profile) {
    return profileNames[static_cast<std::size_t>(profile)];
}

std::span<const SystemColourName> systemColourNames() {
    return systemNames;
}

// The projector's colours are its own: the system's are not kept, so that they compare equal
// whatever the system's are.
ShownColours::ShownColours(ColourProfile profile, const SystemColours &system)
    : profile_(profile), system_(profile == ColourProfile::projector ? SystemColours{} : system) {}

Colour ShownColours::of(Colour designed) const {
    const ProfileRow *row = rowOf(designed);
    switch (profile_) {
    case ColourProfile::design:
        break;
    case ColourProfile::projector:
        return row ? row->projector : designed;
    case ColourProfile::highContrast:
        return system_.*(row ? row->highContrast : &SystemColours::windowText);
    }
    if (!colour::isSystemColour(designed))
        return designed;
    const int index = colour::systemColourIndex(designed);
    const auto name =
        std::find_if(systemNames.begin(), systemNames.end(),
                     [index](const SystemColourName &n) { return n.windowsIndex == index; });
    return system_.*(name == systemNames.end() ? &SystemColours::windowText : name->colour);
}

Colour ShownColours::faceOf(const ControlDesign &control) const {
    if (control.kind != ControlKind::command || profile_ == ColourProfile::design)
        return background();
    return profile_ == ColourProfile::projector ? projectorButtonFace : system_.buttonFace;
}

Colour ShownColours::textOf(const ControlDesign &control) const {
    if (control.kind == ControlKind::command && profile_ == ColourProfile::highContrast)
        return system_.buttonText;
    return of(control.textColour);
}

Colour ShownColours::focus() const {
    return profile_ == ColourProfile::projector ? strongBlue : system_.highlight;
}

Colour ShownColours::edgeShadow() const {
    switch (profile_) {
    case ColourProfile::design:
        return designEdge;
    case ColourProfile::projector:
        return projectorEdge;
    case ColourProfile::highContrast:
        break;
    }
    return system_.windowText;
}

Colour ShownColours::edgeLight() const {
    return profile_ == ColourProfile::highContrast ? system_.window : colour::white;
}

double contrastRatio(Colour a, Colour b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
