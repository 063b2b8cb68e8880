#pragma once

#include "demo/Settings.h"
#include "design/ColourProfiles.h"
#include "form/Options.h"
#include "form/Zoom.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A set-up chosen from outside the window: on the command line (--detector=near) or in the
// page's address (?detector=near). The form applies it after loading, through the handlers, as
// if a person had clicked the options and moved the speed bar.

// One setting that can be chosen, for a program's help.
struct OutsideSetting {
    std::string_view name;    // "detector"
    std::string_view meaning; // "the detector's position", in English
    // A setting that takes no value (--fullscreen): its meaning is its whole line in the help.
    bool takesNoValue = false;
};
std::span<const OutsideSetting> outsideSettings();
// The setting's line in a program's help, in the language spoken: "Chooses the detector's
// position: near or far."
std::string helpOf(const OutsideSetting &setting);

// The set-up that opens a window as this one stands, as the page's address gives it
// ("detector=near&mirror=ordinary&frequency=1&speed=5&lang=cs&zoom=fit"): the options and the
// speed its settings fields hold, the language spoken, the zoom and the colours, where a profile
// was chosen. A field whose text no setting gives is left out.
std::string setupQuery(const Settings &settings, std::string_view language, const Zoom &zoom,
                       std::optional<ColourProfile> colours = std::nullopt);

class OutsideSetup {
public:
    // Takes one setting. Returns an empty text, or one line that names what is wrong and what
    // is allowed instead, in the language spoken; a wrong setting is not taken.
    std::string choose(std::string_view name, std::string_view value);

    // Whether a setting was wrong; the first one that was, in words in the language spoken now
    // (empty where none was), for a program that chooses its language from the set-up itself.
    bool isWrong() const { return firstWrong_.has_value(); }
    std::string refusal() const;

    // The option buttons to select, in the order they were chosen.
    const std::vector<Option> &options() const { return options_; }
    // Where to move the speed bar, if anywhere.
    std::optional<int> speed() const { return speed_; }
    // The language asked for, one that Kymora speaks; empty where none was.
    std::string_view language() const { return language_; }
    // How large the window opens: the zoom, and whether it fills the window or the screen.
    const Zoom &zoom() const { return zoom_; }
    // The colour profile asked for, if any.
    std::optional<ColourProfile> colours() const { return colours_; }

private:
    std::vector<Option> options_;
    std::optional<int> speed_;
    std::string_view language_;
    Zoom zoom_;
    std::optional<ColourProfile> colours_;
    std::optional<std::pair<std::string, std::string>> firstWrong_; // name and value

    std::string take(std::string_view name, std::string_view value);
};
