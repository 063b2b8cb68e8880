#include "demo/RunHold.h"

#include "canvas/Canvas.h"

#include <algorithm>

void RunHold::stripBegins() {
    picture_.beginStrip();
}

void RunHold::stripDrawn(HoldState::Strip strip) {
    drawn_.push_back(strip);
    shown_ = int(drawn_.size());
    afterStrip_ = true;
}

RunHold::Clock::duration RunHold::apply(HoldCommand command, Clock::time_point now) {
    if (letGo_)
        return Clock::duration::zero();
    switch (command) {
    case HoldCommand::holdOrGoOn:
        if (isHeld())
            return release(now);
        hold(now, HoldState::Change::held);
        return Clock::duration::zero();
    case HoldCommand::stepForward:
        return stepForward(now);
    case HoldCommand::stepBack:
        stepBack();
        return Clock::duration::zero();
    case HoldCommand::letGo:
        return letGo(now);
    }
    return Clock::duration::zero();
}

void RunHold::pauseEnded(Clock::time_point now) {
    const bool stepDone = stepTo_ && afterStrip_ && int(drawn_.size()) >= *stepTo_;
    afterStrip_ = false;
    if (stepDone && !isHeld())
        hold(now, HoldState::Change::stepped);
}

void RunHold::hold(Clock::time_point now, HoldState::Change change) {
    heldSince_ = now;
    stepTo_.reset();
    tell(change);
}

// The picture shows every strip drawn again, and the timeline goes on.
RunHold::Clock::duration RunHold::release(Clock::time_point now) {
    const Clock::duration held = now - *heldSince_;
    heldSince_.reset();
    show(int(drawn_.size()));
    if (!stepTo_)
        tell(HoldState::Change::wentOn);
    return held;
}

RunHold::Clock::duration RunHold::stepForward(Clock::time_point now) {
    const int drawn = int(drawn_.size());
    if (!isHeld()) {
        // Stepping already: one strip further, should the remote be pressed again.
        if (stepTo_)
            stepTo_ = std::min(*stepTo_ + 1, strips_);
        return Clock::duration::zero();
    }
    if (shown_ < drawn) {
        show(shown_ + 1);
        tell(HoldState::Change::stepped);
        return Clock::duration::zero();
    }
    if (drawn >= strips_)
        return letGo(now);
    stepTo_ = drawn + 1;
    return release(now);
}

void RunHold::stepBack() {
    if (!isHeld() || shown_ == 0)
        return;
    show(shown_ - 1);
    tell(HoldState::Change::stepped);
}

RunHold::Clock::duration RunHold::letGo(Clock::time_point now) {
    letGo_ = true;
    const bool stepping = stepTo_.has_value();
    stepTo_.reset();
    if (isHeld())
        return release(now);
    if (stepping)
        tell(HoldState::Change::wentOn);
    return Clock::duration::zero();
}

void RunHold::show(int strips) {
    if (strips == shown_)
        return;
    shown_ = strips;
    picture_.showStrips(strips);
}

void RunHold::tell(HoldState::Change change) const {
    if (!watcher_)
        return;
    HoldState state{change, shown_, strips_, std::nullopt};
    if (shown_ > 0)
        state.lastShown = drawn_[std::size_t(shown_ - 1)];
    watcher_->holdChanged(state);
}
