#pragma once

#include "demo/RunPacer.h"

// The pacing of a run in the window: while a run waits, the application handles the window
// system's events (repaints, exposes, resizes, the window manager's pings and timers) but no
// user input. Clicks, keys and close requests made during the run stay queued, in order, and
// are handled once the run has returned to the event loop.
//
// Waiting blocks in the event loop, so a pause costs no processor time.
class WindowPacer : public RunPacer {
public:
    Clock::time_point now() const override { return Clock::now(); }
    void showAndWaitUntil(Clock::time_point deadline) override;

    // Handles the events that are waiting now, user input excepted: among them the repaints of
    // what was drawn.
    static void handleWindowSystemEvents();

    // Has the user input that waited during a run handled, in order, as soon as the event loop
    // runs again. Some window systems keep it where only a wake-up makes the loop look again.
    void resumeInput() override;
};
