#pragma once

#include "demo/RunPacer.h"

#include <windows.h>

#include <functional>
#include <vector>

// How the window waits at a run's pauses. It paints what was drawn, then waits on a
// high-resolution timer while it handles every message but user input: it repaints, answers
// messages sent by the system and other programs, and so never looks hung. Keyboard and mouse
// input, in the client and non-client areas, stays queued and is handled, in order, by the
// message loop once the run is over.
class WindowPacer : public RunPacer {
public:
    // showing: asks the window to repaint what was drawn, before it is shown.
    WindowPacer(HWND window, std::function<void()> showing);
    WindowPacer(const WindowPacer &) = delete;
    WindowPacer &operator=(const WindowPacer &) = delete;
    ~WindowPacer() override;

    Clock::time_point now() const override { return Clock::now(); }
    void showAndWaitUntil(Clock::time_point deadline) override;

    // Input that other programs posted during a run, and a quit request, are posted again here,
    // in order, for the message loop to see.
    void resumeInput() override;

private:
    void handleMessagesOtherThanInput();
    void waitAtMost(Clock::duration duration);

    HWND window_;
    std::function<void()> showing_;
    HANDLE timer_;
    std::vector<MSG> held_;
    bool quitRequested_ = false;
    int quitCode_ = 0;
};
