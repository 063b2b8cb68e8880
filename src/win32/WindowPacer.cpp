#include "win32/WindowPacer.h"

#include "win32/HeldMessages.h"

#include <algorithm>
#include <utility>

namespace {

// CreateWaitableTimerExW's flag for a timer with the resolution of the performance counter.
constexpr DWORD highResolutionTimer = 0x00000002;

// Wakes the wait when a message other than input arrives.
constexpr DWORD wakeForMessagesOtherThanInput =
    QS_PAINT | QS_POSTMESSAGE | QS_SENDMESSAGE | QS_TIMER | QS_HOTKEY;
// The same messages, as PeekMessage takes them: keyboard and mouse input stay in their queue.
constexpr UINT removeMessagesOtherThanInput =
    PM_REMOVE | PM_QS_PAINT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE;

// How late a timer may wake.
constexpr std::chrono::milliseconds timerLateness{1};

constexpr LONGLONG hundredNanosecondsPer(std::chrono::nanoseconds duration) {
    return duration.count() / 100;
}

HANDLE createTimer() {
    HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, highResolutionTimer, TIMER_ALL_ACCESS);
    // Before Windows 10 1803 there is no high-resolution timer: an ordinary one serves.
    return timer ? timer : CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
}

} // namespace

WindowPacer::WindowPacer(HWND window, std::function<void()> showing)
    : window_(window), showing_(std::move(showing)), timer_(createTimer()) {}

WindowPacer::~WindowPacer() {
    CloseHandle(timer_);
}

// The timer wakes the wait a little before the deadline, and the rest is waited out on the
// clock: a timer may wake a millisecond late (Wine's always round up to the next one), and the
// lateness of the last pause would add to the run. A pause whose end has passed, and the run's
// end, only paint: the messages that wait are handled at the next pause, or by the message
// loop right after the run.
void WindowPacer::showAndWaitUntil(Clock::time_point deadline) {
    showing_();
    UpdateWindow(window_);
    while (deadline - now() > timerLateness) {
        handleMessagesOtherThanInput();
        const Clock::duration left = deadline - now();
        if (left > timerLateness)
            waitAtMost(left - timerLateness);
    }
    while (now() < deadline)
        YieldProcessor();
}

void WindowPacer::waitAtMost(Clock::duration duration) {
    // A negative due time is relative, in units of 100 ns.
    LARGE_INTEGER due;
    due.QuadPart = -std::max<LONGLONG>(
        1, hundredNanosecondsPer(std::chrono::duration_cast<std::chrono::nanoseconds>(duration)));
    SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE);
    MsgWaitForMultipleObjectsEx(1, &timer_, INFINITE, wakeForMessagesOtherThanInput, 0);
    CancelWaitableTimer(timer_);
}

// Only while such a message waits is one asked for: an empty PeekMessage gives the processor
// away under Wine, for as long as the system likes on a busy machine.
void WindowPacer::handleMessagesOtherThanInput() {
    MSG message;
    while (HIWORD(GetQueueStatus(wakeForMessagesOtherThanInput)) != 0 &&
           PeekMessageW(&message, nullptr, 0, 0, removeMessagesOtherThanInput)) {
        if (message.message == WM_QUIT) {
            quitRequested_ = true;
            quitCode_ = static_cast<int>(message.wParam);
        } else if (isUserInput(message.message)) {
            held_.push_back(message); // posted by another program: after the run
        } else {
            DispatchMessageW(&message);
        }
    }
}

void WindowPacer::resumeInput() {
    for (const MSG &message : held_)
        PostMessageW(message.hwnd, message.message, message.wParam, message.lParam);
    held_.clear();
    if (quitRequested_)
        PostQuitMessage(quitCode_);
    quitRequested_ = false;
}
