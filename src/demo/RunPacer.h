#pragma once

#include <chrono>
#include <deque>
#include <optional>

// What the teacher's hand does to a run while it waits: hold it where it is or let it go on,
// step it one strip forward or back, or let go of it for good (the window was asked to close).
enum class HoldCommand { holdOrGoOn, stepForward, stepBack, letGo };

// How a run waits between its drawings. The window shows what was drawn and stays alive while
// it waits (it repaints and answers the window system) but acts on no user input: whatever the
// user does during a run is done, in order, once the run is over. Two layers keep that rule:
//
// - The pacer holds the platform's input (keys, clicks, touches, wheels) while a run waits, and
//   hands it back, in order, when the run is over (resumeInput). The one exception is the hold
//   keys (and a click or tap on the picture), which the window turns into hold commands
//   (command) for the run that waits.
// - The form queues the calls that reach it from outside during a run (a close request, a
//   change made by an accessibility tool, a set-up) and does them after the run, in order.
//
// A close request is never held back by the pacer: it reaches the form at once, which lets go
// of a held run and closes the window when the run is over.
class RunPacer {
public:
    using Clock = std::chrono::steady_clock;

    virtual ~RunPacer() = default;

    // The monotonic clock's time now.
    virtual Clock::time_point now() const = 0;

    // Shows everything drawn so far, then waits until the deadline, or until a hold command
    // comes, whichever is first. A deadline that has passed already only shows.
    virtual void showAndWaitUntil(Clock::time_point deadline) = 0;

    // Shows everything drawn so far, without waiting.
    void show() { showAndWaitUntil(now()); }

    // The run is over: the window takes the input it held back, in order.
    virtual void resumeInput() {}

    // A hold command for the run that waits: kept, in order, and the wait ends at once.
    void command(HoldCommand command) {
        commands_.push_back(command);
        wake();
    }
    bool hasCommand() const { return !commands_.empty(); }
    std::optional<HoldCommand> takeCommand() {
        if (commands_.empty())
            return std::nullopt;
        const HoldCommand first = commands_.front();
        commands_.pop_front();
        return first;
    }

protected:
    RunPacer() = default;
    RunPacer(const RunPacer &) = default;
    RunPacer &operator=(const RunPacer &) = default;

    // Ends a wait that sleeps, should a command come from elsewhere than the window's events.
    virtual void wake() {}

private:
    std::deque<HoldCommand> commands_;
};
