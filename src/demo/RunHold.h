#pragma once

#include "demo/RunPacer.h"

#include <optional>
#include <vector>

class Canvas;

// What a held run shows: how many of its strips the picture shows, of how many the run has,
// and the last strip shown (none before the first).
struct HoldState {
    enum class Change { held, stepped, wentOn };
    struct Strip {
        double pathValue;
        double phaseAngle; // the direction of its photon vector, radians, as drawn
    };

    Change change;
    int shown;
    int strips;
    std::optional<Strip> lastShown;
};

// Who tells the class that a run is held, stepped or goes on.
class HoldWatcher {
public:
    virtual void holdChanged(const HoldState &state) = 0;

protected:
    HoldWatcher() = default;
    ~HoldWatcher() = default;
};

// The teacher's hand on one run. Holding stops the run's timeline where it stands; going on
// starts it again, later by the time it was held and otherwise as it was. While held, a step
// forward plays the rest of the pause, the next strip's drawings and the pause after it, then
// holds again; a step back shows the picture as it stood before the last strip shown, from the
// picture's record, and a step forward then shows that strip again before the run draws more.
// A step forward from the last strip, or letting go, ends the hold for good: the run finishes
// at its pace. Between pauses a run draws and takes no command.
class RunHold {
public:
    using Clock = RunPacer::Clock;

    RunHold(Canvas &picture, HoldWatcher *watcher) : picture_(picture), watcher_(watcher) {}

    // The run's strips: how many there will be, and each as it begins and has been drawn.
    void expectStrips(int strips) { strips_ = strips; }
    void stripBegins();
    void stripDrawn(HoldState::Strip strip);

    bool isHeld() const { return heldSince_.has_value(); }
    int stripsShown() const { return shown_; }

    // Does the command, come at this time. Returns the held time that it ended, which the
    // run's timeline adds to what is left of it.
    Clock::duration apply(HoldCommand command, Clock::time_point now);

    // A pause has ended: a step that has drawn its strip and waited after it holds again.
    void pauseEnded(Clock::time_point now);

private:
    void hold(Clock::time_point now, HoldState::Change change);
    Clock::duration release(Clock::time_point now);
    Clock::duration stepForward(Clock::time_point now);
    void stepBack();
    Clock::duration letGo(Clock::time_point now);
    void show(int strips);
    void tell(HoldState::Change change) const;

    Canvas &picture_;
    HoldWatcher *watcher_;
    std::vector<HoldState::Strip> drawn_;
    int strips_ = 0;
    int shown_ = 0;
    std::optional<Clock::time_point> heldSince_;
    std::optional<int> stepTo_; // a step forward plays until this strip is drawn and waited after
    bool afterStrip_ = false;   // the pause that waits is the one after a strip
    bool letGo_ = false;
};
