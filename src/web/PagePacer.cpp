#include "web/PagePacer.h"

#include "web/Page.h"

#include <emscripten.h>

#include <algorithm>

// The browser paints what was drawn while the program sleeps, and once the run has returned. The
// sleep ends a little before the deadline, and the rest is waited out on the clock: a timer
// fires late, and the lateness of the last pause would add to the run. How late is learnt from
// the sleeps before: a few milliseconds in an engine whose rendering delays its timers, one
// elsewhere. A pause whose end has passed does not sleep: even a sleep of no time hands the
// browser its thread for a timer's turn, at least 4 ms once timers nest.
void PagePacer::showAndWaitUntil(Clock::time_point deadline) {
    page::holdInput();
    const auto sleep = std::chrono::floor<std::chrono::milliseconds>(deadline - now() - lateness_);
    if (sleep.count() > 0) {
        const Clock::time_point wake = now() + sleep;
        emscripten_sleep(static_cast<unsigned>(sleep.count()));
        const auto late = std::chrono::duration_cast<std::chrono::microseconds>(now() - wake);
        lateness_ = std::clamp(std::max(late, lateness_ * 3 / 4), leastLateness, mostLateness);
    }
    while (now() < deadline) {
    }
}

void PagePacer::resumeInput() {
    page::resumeInput();
}
