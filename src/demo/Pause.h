#pragma once

#include "demo/RunHold.h"
#include "demo/RunPacer.h"

#include <chrono>
#include <cstdint>

class Settings;

// The pause between the drawings of a run. Its count is the speed in nSpomaleni times 100000,
// and it lasts that many steps of 100 ns on the monotonic clock: 10 ms at speed 1, 200 ms at
// speed 20. While it lasts the window shows what was drawn and handles no user input.
inline constexpr std::chrono::nanoseconds pauseStep{100};

// The pauses of one run on one timeline, from the run's start: each pause ends its own length
// after the previous one ended, so that the time spent drawing comes out of the pauses instead
// of adding to them. A pause whose end has passed while the run drew ends at once.
//
// A hold stops the timeline: the time a run is held is added to what is left of it.
class PauseTimeline {
public:
    // Without a hold, the run cannot be held: hold commands are dropped.
    explicit PauseTimeline(RunPacer &pacer, RunHold *hold = nullptr)
        : pacer_(pacer), hold_(hold), lastEnd_(pacer.now()) {}

    // Shows what was drawn and waits until the end of a pause of this many steps, and as long
    // as the run is held meanwhile.
    void wait(std::int64_t steps);

    RunHold *hold() { return hold_; }

private:
    RunPacer &pacer_;
    RunHold *hold_;
    RunPacer::Clock::time_point lastEnd_;
};

// Reads nSpomaleni now, shows what was drawn and waits for its count of steps. Returns the
// count. Throws RuntimeError when the setting is not a number or its count is infinite.
std::int64_t pause(const Settings &settings, PauseTimeline &timeline);

// The number of steps a pause of this count takes. A count that is negative, not a whole
// number or too large to count down exactly could never be counted down to exactly 0: such a
// pause ends at once and takes none. An infinite count throws RuntimeError "Overflow".
std::int64_t stepsOfPause(double count);
