#pragma once

#include "design/ColourProfiles.h"

#include <optional>

// What the system says of contrast: a contrast theme is on (Windows' contrast themes, a browser's
// forced colours), or the user asks for more contrast (a browser's prefers-contrast: more).
struct SystemContrast {
    bool highContrast = false;
    bool moreContrast = false;
    bool operator==(const SystemContrast &) const = default;
};

// Which colour profile is shown. A profile chosen (by the command line, the address or the key)
// is shown; where none is, the system's: high contrast while a contrast theme is on, else the
// projector's where more contrast is asked for, else the design's. A contrast theme switched on or
// off while the program runs is followed, whatever was chosen before.
class ColourChoice {
public:
    void choose(ColourProfile profile) { chosen_ = profile; }
    // The colours key: the projector's colours after any others, the design's after them.
    void switchDesignAndProjector();
    void systemSays(const SystemColours &colours, SystemContrast contrast);

    ColourProfile profile() const;
    // The profile chosen, for the page's address; none where the system's is shown.
    std::optional<ColourProfile> chosen() const { return chosen_; }
    ShownColours shown() const { return {profile(), system_}; }

private:
    std::optional<ColourProfile> chosen_;
    SystemColours system_;
    SystemContrast contrast_;
};
