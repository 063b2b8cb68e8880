#pragma once

#include <chrono>
#include <cstdint>

class RunPacer;
class Settings;

// The pause between the drawings of a run. Its count is the speed in nSpomaleni times 100000,
// and it lasts that many steps of 100 ns on the monotonic clock: 10 ms at speed 1, 200 ms at
// speed 20. While it lasts the window shows what was drawn and handles no user input.
inline constexpr std::chrono::nanoseconds pauseStep{100};

// Reads nSpomaleni now, shows what was drawn and waits for its count of steps. Returns the
// count. Throws RuntimeError when the setting is not a number or its count is infinite.
std::int64_t pause(const Settings &settings, RunPacer &pacer);

// The number of steps a pause of this count takes. A count that is negative, not a whole
// number or too large to count down exactly could never be counted down to exactly 0: such a
// pause ends at once and takes none. An infinite count throws RuntimeError "Overflow".
std::int64_t stepsOfPause(double count);
