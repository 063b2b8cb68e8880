#pragma once

#include <cstdint>

class Settings;

// The pause between the drawings of a run: a count of decrement steps, not a length of time.
// It reads no clock and handles no events.

// Reads nSpomaleni now, multiplies it by 100000 and counts that down to exactly 0, one step at
// a time. Returns the number of steps taken.
std::int64_t pause(const Settings &settings);

// Counts count down to exactly 0, one step at a time, and returns the number of steps. A count
// that is negative, not a whole number or too large to count down exactly would never reach 0:
// such a pause ends at once. An infinite count throws RuntimeError "Overflow".
std::int64_t countDown(double count);
