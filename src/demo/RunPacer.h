#pragma once

#include <chrono>

// How a run waits between its drawings. The window shows what was drawn and stays alive while
// it waits (it repaints and answers the window system) but handles no user input: whatever the
// user does during a run is handled, in order, once the run is over.
class RunPacer {
public:
    using Clock = std::chrono::steady_clock;

    virtual ~RunPacer() = default;

    // The monotonic clock's time now.
    virtual Clock::time_point now() const = 0;

    // Shows everything drawn so far, then waits until the deadline. A deadline that has passed
    // already only shows.
    virtual void showAndWaitUntil(Clock::time_point deadline) = 0;

    // Shows everything drawn so far, without waiting.
    void show() { showAndWaitUntil(now()); }

    // The run is over: the window takes the input it held back, in order.
    virtual void resumeInput() {}

protected:
    RunPacer() = default;
    RunPacer(const RunPacer &) = default;
    RunPacer &operator=(const RunPacer &) = default;
};
