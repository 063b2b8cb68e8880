#pragma once

#include "canvas/Colour.h"

#include <optional>
#include <span>
#include <string_view>

struct ControlDesign;

// The colours Kymora is shown in. The run draws, and the design colours its controls, in the
// design's colours; a profile maps each of them to the colour shown, when the picture is painted.
// The design's own colours are the default. The projector's are light and strong, for a
// classroom's projector seen from the back row. High contrast shows the system's own colours,
// those of a contrast theme that a pupil with low vision has chosen.
enum class ColourProfile { design, projector, highContrast };

// The profiles by the names the command line and the page's address give them: "design",
// "projector", "high-contrast".
std::span<const std::string_view> colourProfileNames();
std::optional<ColourProfile> colourProfileNamed(std::string_view name);
std::string_view nameOf(ColourProfile profile);

// The system's colours, as a front end reads them, each as a plain &HBBGGRR value. The defaults
// are what a system without colours of its own shows.
struct SystemColours {
    Colour window = colour::white;         // a window's background (CSS Canvas)
    Colour windowText = colour::black;     // its text (CanvasText)
    Colour highlight = 0xD77800;           // what is selected (Highlight)
    Colour buttonFace = colour::lightGrey; // (ButtonFace)
    Colour buttonText = colour::black;     // (ButtonText)
    Colour titleBarText = colour::white;   // an active title bar's text (no CSS colour)
    bool operator==(const SystemColours &) const = default;
};

// Each of the system's colours with the names its systems know it by: the index of a Windows
// system colour (GetSysColor), its name in the registry's Control Panel\Colors, and the name of
// a CSS system colour, where it has one.
struct SystemColourName {
    Colour SystemColours::*colour;
    int windowsIndex;
    std::string_view registry;
    std::string_view css;
};
std::span<const SystemColourName> systemColourNames();

// The colours shown in one profile, with the system's colours it was made with.
class ShownColours {
public:
    ShownColours() = default; // the design's
    ShownColours(ColourProfile profile, const SystemColours &system);

    ColourProfile profile() const { return profile_; }

    // The colour shown for a colour the design names: a plain &HBBGGRR value, never a system
    // colour's index.
    Colour of(Colour designed) const;

    // The window's background, which its frames and option buttons share, and the picture's.
    Colour background() const { return of(colour::lightGrey); }
    // A control's face and the colour of its text.
    Colour faceOf(const ControlDesign &control) const;
    Colour textOf(const ControlDesign &control) const;
    // Whether the option buttons' marks and the speed bar are drawn in the profile's colours,
    // where the system's own would not stand out from them; the design shows the system's.
    bool drawsOwnMarks() const { return profile_ != ColourProfile::design; }
    // The focus mark, and the lines of a frame or a button's edge: shadow and light.
    Colour focus() const;
    Colour edgeShadow() const;
    Colour edgeLight() const;

    bool operator==(const ShownColours &) const = default;

private:
    ColourProfile profile_ = ColourProfile::design;
    SystemColours system_;
};

// The contrast of two colours, 1 to 21, from their relative luminance as the accessibility
// guidelines (WCAG 2) compute it.
double contrastRatio(Colour a, Colour b);
