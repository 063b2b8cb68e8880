#include "web/PagePacer.h"

#include "web/Page.h"

#include <algorithm>

// The browser paints what was drawn while the program sleeps, and once the run has returned. The
// sleep ends a little before the deadline, and the rest is waited out on the clock: a timer
// fires late, and the lateness of the last pause would add to the run. How late is learnt from
// the sleeps before: a few milliseconds in an engine whose rendering delays its timers, one
// elsewhere. A pause whose end has passed does not sleep: even a sleep of no time hands the
// browser its thread for a timer's turn, at least 4 ms once timers nest. A hold command ends the
// wait at once: the page's key, click or tap calls the form during the sleep, and the pacer's
// wake ends the sleep.
void PagePacer::showAndWaitUntil(Clock::time_point deadline) {
    page::holdInput();
    sleepTowards(deadline);
    while (!hasCommand() && now() < deadline) {
    }
}

void PagePacer::sleepTowards(Clock::time_point deadline) {
    using std::chrono::milliseconds;
    while (!hasCommand()) {
        // A held run's deadline is the clock's last time: what is left of it is no sleep's.
        const auto left = std::chrono::floor<milliseconds>(deadline - now() - lateness_);
        const milliseconds sleep = std::min(left, milliseconds(slice));
        if (sleep.count() <= 0)
            return;
        const Clock::time_point wake = now() + sleep;
        page::sleep(static_cast<double>(sleep.count()));
        if (hasCommand())
            return;
        const auto late = std::chrono::duration_cast<std::chrono::microseconds>(now() - wake);
        lateness_ = std::clamp(std::max(late, lateness_ * 3 / 4), leastLateness, mostLateness);
    }
}

void PagePacer::wake() {
    page::wakePacer();
}

void PagePacer::resumeInput() {
    page::resumeInput();
}
