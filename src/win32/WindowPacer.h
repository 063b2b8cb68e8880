#pragma once

#include "demo/RunPacer.h"

#include <windows.h>

#include <functional>

// How the window waits at a run's pauses. It paints what was drawn, then waits on a
// high-resolution timer while it handles every message: it repaints, answers messages sent by
// the system and other programs, and so never looks hung. The input it takes from the queue,
// keys and mouse buttons in the client and non-client areas, it hands to the window's
// HeldInput, which makes hold commands of some and holds the rest for after the run
// (HeldInput.h says which holds what); the pacer keeps none. A wait ends early when a hold
// command comes, and a held run's wait, whose deadline never comes, ends only then.
class WindowPacer : public RunPacer {
public:
    // showing: asks the window to repaint what was drawn, before it is shown.
    // input: takes a key, mouse button, wheel turn or move that came during the wait.
    WindowPacer(HWND window, std::function<void()> showing, std::function<void(const MSG &)> input);
    WindowPacer(const WindowPacer &) = delete;
    WindowPacer &operator=(const WindowPacer &) = delete;
    ~WindowPacer() override;

    Clock::time_point now() const override { return Clock::now(); }
    void showAndWaitUntil(Clock::time_point deadline) override;

    // A quit request that came during the run is posted again here, for the message loop.
    void resumeInput() override;

private:
    bool waitsOn(Clock::time_point deadline) const;
    void handleMessages();
    void waitAtMost(Clock::duration duration);

    HWND window_;
    std::function<void()> showing_;
    std::function<void(const MSG &)> input_;
    HANDLE timer_;
    bool quitRequested_ = false;
    int quitCode_ = 0;
};
