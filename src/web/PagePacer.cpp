#include "web/PagePacer.h"

#include "web/Page.h"

#include <emscripten.h>

#include <chrono>

// The browser paints what was drawn while the program sleeps, and once the run has returned. A
// pause whose end has passed does not sleep: even a sleep of no time hands the browser its
// thread for a timer's turn, at least 4 ms once timers nest.
void PagePacer::showAndWaitUntil(Clock::time_point deadline) {
    page::holdInput();
    const auto left = std::chrono::round<std::chrono::milliseconds>(deadline - now());
    if (left.count() > 0)
        emscripten_sleep(static_cast<unsigned>(left.count()));
}

void PagePacer::resumeInput() {
    page::resumeInput();
}
