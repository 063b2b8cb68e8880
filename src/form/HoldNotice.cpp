#include "form/HoldNotice.h"

#include "form/FormView.h"
#include "form/Translation.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double fullTurn = 360;

std::string heldAt(const HoldState &state) {
    // TRANSLATORS: a held run, told to the class and to screen readers: the strips the
    // picture shows, of the run's strips, as in "Held at strip 7 of 10".
    return filledIn(translate("hold", "Held at strip %s of %s"),
                    {std::to_string(state.shown), std::to_string(state.strips)});
}

std::string stripInWords(const HoldState &state) {
    const HoldState::Strip &strip = *state.lastShown;
    // TRANSLATORS: a step of a held run, told to screen readers: the strip shown, of the run's
    // strips, its path's value and the direction of its photon vector in degrees,
    // anticlockwise from the right, as in "Strip 7 of 10: path value 1234.5, photon vector at
    // 135°." The degree sign spares the number a plural.
    return filledIn(translate("hold", "Strip %s of %s: path value %s, photon vector at %s°."),
                    {std::to_string(state.shown), std::to_string(state.strips),
                     decimalNumber(strip.pathValue),
                     std::to_string(directionInDegrees(strip.phaseAngle))});
}

} // namespace

int directionInDegrees(double phaseAngle) {
    const double degrees = std::round(-phaseAngle * fullTurn / (2 * std::numbers::pi));
    const double turned = std::fmod(degrees, fullTurn);
    return static_cast<int>(turned < 0 ? turned + fullTurn : turned);
}

std::string holdNoticeText(const HoldState &state) {
    // TRANSLATORS: the keys of a held run, after "Held at strip 7 of 10" in the notice the
    // class reads: the right arrow steps forward, the left arrow back, P lets the run go on.
    return heldAt(state) + " · " + std::string(translate("hold", "→ step · ← back · P go on"));
}

HoldButtonNames holdButtonNames() {
    // TRANSLATORS: the buttons under a held run's notice on a touch screen: one strip back, one
    // strip forward, and let the run go on.
    return {translate("hold", "Step back"), translate("hold", "Step forward"),
            translate("hold", "Go on")};
}

std::string holdWords(const HoldState &state) {
    switch (state.change) {
    case HoldState::Change::held:
        return heldAt(state) + ".";
    case HoldState::Change::stepped:
        return state.lastShown ? stripInWords(state) : heldAt(state) + ".";
    case HoldState::Change::wentOn:
        break;
    }
    return std::string(translate("hold", "The run goes on."));
}

void HoldNotice::holdChanged(const HoldState &state) {
    held_ = state.change != HoldState::Change::wentOn;
    if (!held_)
        view_.hideNotice();
    else
        view_.showNotice(holdNoticeText(state));
    view_.announce(holdWords(state));
}
