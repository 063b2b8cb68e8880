#include "form/ColourChoice.h"

void ColourChoice::switchDesignAndProjector() {
    chosen_ =
        profile() == ColourProfile::projector ? ColourProfile::design : ColourProfile::projector;
}

void ColourChoice::systemSays(const SystemColours &colours, SystemContrast contrast) {
    if (contrast.highContrast != contrast_.highContrast)
        chosen_.reset();
    system_ = colours;
    contrast_ = contrast;
}

ColourProfile ColourChoice::profile() const {
    if (chosen_)
        return *chosen_;
    if (contrast_.highContrast)
        return ColourProfile::highContrast;
    return contrast_.moreContrast ? ColourProfile::projector : ColourProfile::design;
}
