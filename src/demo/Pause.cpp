#include "demo/Pause.h"

#include "demo/RuntimeError.h"
#include "demo/Settings.h"

#include <cmath>

namespace {

constexpr double stepsPerUnitOfSlowDown = 100000;

// Beyond 2^53 a double no longer changes when 1 is taken from it.
constexpr double largestExactCount = 9007199254740992.0;

bool canBeCountedDown(double count) {
    return count >= 0 && count <= largestExactCount && std::floor(count) == count;
}

} // namespace

std::int64_t countDown(double count) {
    if (std::isinf(count))
        throw RuntimeError::overflow();
    if (!canBeCountedDown(count))
        return 0;
    // The counter lives in memory and every step reads and writes it, so that no build can
    // shorten or remove the loop.
    volatile double delayCount = count;
    std::int64_t steps = 0;
    while (delayCount != 0) {
        delayCount = delayCount - 1;
        ++steps;
    }
    return steps;
}

std::int64_t pause(const Settings &settings) {
    return countDown(readNumber(settings, SettingField::nSpomaleni) * stepsPerUnitOfSlowDown);
}
