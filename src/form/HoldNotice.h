#pragma once

#include "demo/RunHold.h"

#include <string>
#include <string_view>

class FormView;

// What the class sees and a screen reader hears of a held run: a notice over the window while
// the run is held, naming the keys, and words when it is held, stepped and goes on.
class HoldNotice : public HoldWatcher {
public:
    explicit HoldNotice(FormView &view) : view_(view) {}

    void holdChanged(const HoldState &state) override;

    // Whether the run is held (or steps, held again after it): the step keys are for it.
    bool isHeld() const { return held_; }
    void runBegins() { held_ = false; }

private:
    FormView &view_;
    bool held_ = false;
};

// The names of the buttons that a finger holds a run with, which do what ←, → and P do, in the
// language spoken.
struct HoldButtonNames {
    std::string_view stepBack;
    std::string_view stepForward;
    std::string_view goOn;
};
HoldButtonNames holdButtonNames();

// "Held at strip 7 of 10 · → step · ← back · P go on", in the language spoken.
std::string holdNoticeText(const HoldState &state);
// What a screen reader says: "Held at strip 7 of 10."; after a step, the strip shown, its path
// value and the direction of its photon vector; "The run goes on."
std::string holdWords(const HoldState &state);
// The direction of a photon vector drawn at this angle (radians, the picture's y downwards), in
// whole degrees anticlockwise from the right, 0 to 359.
int directionInDegrees(double phaseAngle);
