#pragma once

#include "demo/RunPacer.h"

// The pacing of a run in the browser: while a run waits, the page runs its event loop (it
// paints what was drawn, scrolls, resizes and zooms) but holds the input made to the controls,
// which it hands over, in order, when the run is over. Waiting hands the browser its thread
// until the pause ends, or a hold command comes; a held run hands it over until a command comes.
class PagePacer : public RunPacer {
public:
    Clock::time_point now() const override { return Clock::now(); }
    void showAndWaitUntil(Clock::time_point deadline) override;
    void resumeInput() override;

private:
    void wake() override;
    // Sleeps, at most a slice, until a little before the deadline, or until a command comes.
    void sleepTowards(Clock::time_point deadline);

    // How much before its deadline a sleep ends: learnt, between the least and the most.
    static constexpr std::chrono::microseconds leastLateness{1000};
    static constexpr std::chrono::microseconds mostLateness{4000};
    // The longest sleep: a held run sleeps slice after slice, however long it is held.
    static constexpr std::chrono::milliseconds slice{1000};
    std::chrono::microseconds lateness_ = leastLateness;
};
