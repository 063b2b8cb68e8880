#include "win32/WindowPacer.h"

#include "win32/HeldMessages.h"

#include <algorithm>
#include <utility>

namespace {

// CreateWaitableTimerExW's flag for a timer with the resolution of the performance counter.
constexpr DWORD highResolutionTimer = 0x00000002;

// Wakes the wait when any message is queued, or comes, but for the pointer's moves, which the
// system keeps one of for whoever asks.
constexpr DWORD wakeForMessages =
    QS_KEY | QS_MOUSEBUTTON | QS_PAINT | QS_POSTMESSAGE | QS_SENDMESSAGE | QS_TIMER | QS_HOTKEY;

// How late a timer may wake.
constexpr std::chrono::milliseconds timerLateness{1};
// The longest the timer is set for: a held run waits for a command, however long, a timer at a
// time.
constexpr std::chrono::hours longestTimer{1};

constexpr LONGLONG hundredNanosecondsPer(std::chrono::nanoseconds duration) {
    return duration.count() / 100;
}

HANDLE createTimer() {
    HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, highResolutionTimer, TIMER_ALL_ACCESS);
    // Before Windows 10 1803 there is no high-resolution timer: an ordinary one serves.
    return timer ? timer : CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
}

} // namespace

WindowPacer::WindowPacer(HWND window, std::function<void()> showing,
                         std::function<void(const MSG &)> input)
    : window_(window), showing_(std::move(showing)), input_(std::move(input)),
      timer_(createTimer()) {}

WindowPacer::~WindowPacer() {
    CloseHandle(timer_);
}

// The timer wakes the wait a little before the deadline, and the rest is waited out on the
// clock: a timer may wake a millisecond late (Wine's always round up to the next one), and the
// lateness of the last pause would add to the run. A pause whose end has passed, and the run's
// end, only paint: the messages that wait are handled at the next pause, or by the message
// loop right after the run. A hold command ends the wait at once.
void WindowPacer::showAndWaitUntil(Clock::time_point deadline) {
    showing_();
    UpdateWindow(window_);
    while (waitsOn(deadline) && deadline - now() > timerLateness) {
        handleMessages();
        const Clock::duration left = deadline - now();
        if (waitsOn(deadline) && left > timerLateness)
            waitAtMost(std::min<Clock::duration>(left - timerLateness, longestTimer));
    }
    while (waitsOn(deadline) && now() < deadline)
        YieldProcessor();
}

bool WindowPacer::waitsOn(Clock::time_point deadline) const {
    return !hasCommand() && deadline > now();
}

// Messages already queued end the wait as well as those that come during it.
void WindowPacer::waitAtMost(Clock::duration duration) {
    // A negative due time is relative, in units of 100 ns.
    LARGE_INTEGER due;
    due.QuadPart = -std::max<LONGLONG>(
        1, hundredNanosecondsPer(std::chrono::duration_cast<std::chrono::nanoseconds>(duration)));
    SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE);
    MsgWaitForMultipleObjectsEx(1, &timer_, INFINITE, wakeForMessages, MWMO_INPUTAVAILABLE);
    CancelWaitableTimer(timer_);
}

// Only while a message is queued is one asked for: an empty PeekMessage gives the processor
// away under Wine, for as long as the system likes on a busy machine. What is queued now is
// looked at, not what came since the last look, so that two messages that came together are
// both handled. A hold command that a message gave ends the wait: what else is queued waits
// for the next pause.
void WindowPacer::handleMessages() {
    MSG message;
    while (!hasCommand() && LOWORD(GetQueueStatus(wakeForMessages)) != 0 &&
           PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitRequested_ = true;
            quitCode_ = static_cast<int>(message.wParam);
        } else if (isUserInput(message.message)) {
            input_(message);
        } else {
            DispatchMessageW(&message);
        }
    }
}

void WindowPacer::resumeInput() {
    if (quitRequested_)
        PostQuitMessage(quitCode_);
    quitRequested_ = false;
}
