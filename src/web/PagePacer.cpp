#include "web/PagePacer.h"

#include "web/Page.h"

#include <emscripten.h>

#include <chrono>

namespace {

// How late a browser's timer may fire.
constexpr std::chrono::milliseconds timerLateness{1};

} // namespace

// The browser paints what was drawn while the program sleeps, and once the run has returned. The
// sleep ends a little before the deadline, and the rest is waited out on the clock: a timer
// fires late, and the lateness of the last pause would add to the run. A pause whose end has
// passed does not sleep: even a sleep of no time hands the browser its thread for a timer's
// turn, at least 4 ms once timers nest.
void PagePacer::showAndWaitUntil(Clock::time_point deadline) {
    page::holdInput();
    const auto sleep =
        std::chrono::floor<std::chrono::milliseconds>(deadline - now() - timerLateness);
    if (sleep.count() > 0)
        emscripten_sleep(static_cast<unsigned>(sleep.count()));
    while (now() < deadline) {
    }
}

void PagePacer::resumeInput() {
    page::resumeInput();
}
