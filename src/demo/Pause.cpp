#include "demo/Pause.h"

#include "demo/RunPacer.h"
#include "demo/RuntimeError.h"
#include "demo/Settings.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double stepsPerUnitOfSlowDown = 100000;

// Beyond 2^53 a double no longer changes when 1 is taken from it.
constexpr double largestExactCount = 9007199254740992.0;

bool canBeCountedDown(double count) {
    return count >= 0 && count <= largestExactCount && std::floor(count) == count;
}

} // namespace

std::int64_t stepsOfPause(double count) {
    if (std::isinf(count))
        throw RuntimeError::overflow();
    if (!canBeCountedDown(count))
        return 0;
    return static_cast<std::int64_t>(count);
}

void PauseTimeline::wait(std::int64_t steps) {
    RunPacer::Clock::time_point end = lastEnd_ + steps * pauseStep;
    const RunPacer::Clock::time_point drawn = pacer_.now();
    for (;;) {
        const bool held = hold_ && hold_->isHeld();
        pacer_.showAndWaitUntil(held ? RunPacer::Clock::time_point::max() : end);
        const std::optional<HoldCommand> command = pacer_.takeCommand();
        if (command && hold_)
            end += hold_->apply(*command, pacer_.now());
        else if (!command && !held)
            break;
    }
    lastEnd_ = std::max(end, drawn);
    if (hold_)
        hold_->pauseEnded(pacer_.now());
}

std::int64_t pause(const Settings &settings, PauseTimeline &timeline) {
    const std::int64_t steps =
        stepsOfPause(readNumber(settings, SettingField::nSpomaleni) * stepsPerUnitOfSlowDown);
    timeline.wait(steps);
    return steps;
}
