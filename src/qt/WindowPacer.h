#pragma once

#include "demo/RunPacer.h"
#include "qt/HeldInput.h"

// The pacing of a run in the window: while a run waits, the application handles every event of
// the window system (repaints, exposes, resizes, the window manager's pings and close requests,
// timers), and holds the user's input (see HeldInput): the clicks and keys made during the run
// act, in order, once the run is over. A hold key, or a click on the picture, acts at once on
// the run that waits, which then waits no longer; a close request reaches the form at once.
//
// Waiting blocks in the event loop, so a pause costs no processor time, however long it is held.
class WindowPacer : public RunPacer {
public:
    Clock::time_point now() const override { return Clock::now(); }
    void showAndWaitUntil(Clock::time_point deadline) override;

    // Handles the events that are waiting now, the user's input held: among them the repaints
    // of what was drawn.
    void handleWindowSystemEvents();

    // Hands the input held during the run back to the window, in order.
    void resumeInput() override;

protected:
    void wake() override;

private:
    HeldInput input_;
};
