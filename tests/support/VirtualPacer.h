#pragma once

#include "RecordingCanvas.h"
#include "demo/RunPacer.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

// A pacer on a virtual clock: a wait ends at once, with the clock moved on to its deadline.
// Keeps every wait, and can log it into a recording canvas among the drawings.
class VirtualPacer : public RunPacer {
public:
    struct Wait {
        Clock::time_point start;
        Clock::duration length;
    };

    explicit VirtualPacer(RecordingCanvas *log = nullptr) : log_(log) {}

    Clock::time_point now() const override { return now_; }

    void showAndWaitUntil(Clock::time_point deadline) override {
        if (hasCommand())
            return;
        // Held, with no hand to let it go: a real window would wait for ever.
        if (deadline == Clock::time_point::max())
            throw std::logic_error("the run waits for ever");
        const Clock::duration length = std::max(deadline - now_, Clock::duration::zero());
        waits.push_back({now_, length});
        if (log_)
            log_->recordPause(length);
        now_ += length;
    }

    // Time passes, as drawing takes it.
    void advance(Clock::duration duration) { now_ += duration; }

    std::vector<Wait> waits;

private:
    RecordingCanvas *log_;
    Clock::time_point now_{};
};
