#include "win32/WindowPacer.h"

#include <algorithm>
#include <array>

namespace {

// CreateWaitableTimerExW's flag for a timer with the resolution of the performance counter.
constexpr DWORD highResolutionTimer = 0x00000002;

// The message numbers that are not user input: everything outside the keyboard messages, the
// mouse messages of the client and non-client areas and raw input.
struct MessageRange {
    UINT first;
    UINT last;
};
constexpr std::array<MessageRange, 5> messagesOtherThanInput = {{
    {0, WM_NCMOUSEMOVE - 1},
    {WM_NCXBUTTONDBLCLK + 1, WM_INPUT - 1},
    {WM_KEYLAST + 1, WM_MOUSEFIRST - 1},
    {WM_MOUSELAST + 1, WM_NCMOUSEHOVER - 1},
    {WM_MOUSELEAVE + 1, 0xFFFFFFFF},
}};

// Wakes the wait when a message other than input arrives.
constexpr DWORD wakeForMessagesOtherThanInput =
    QS_PAINT | QS_POSTMESSAGE | QS_SENDMESSAGE | QS_TIMER | QS_HOTKEY;

constexpr LONGLONG hundredNanosecondsPer(std::chrono::nanoseconds duration) {
    return duration.count() / 100;
}

HANDLE createTimer() {
    HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, highResolutionTimer, TIMER_ALL_ACCESS);
    // Before Windows 10 1803 there is no high-resolution timer: an ordinary one serves.
    return timer ? timer : CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
}

} // namespace

WindowPacer::WindowPacer(HWND window) : window_(window), timer_(createTimer()) {}

WindowPacer::~WindowPacer() {
    CloseHandle(timer_);
}

void WindowPacer::showAndWaitUntil(Clock::time_point deadline) {
    UpdateWindow(window_);
    for (;;) {
        handleMessagesOtherThanInput();
        const Clock::duration left = deadline - now();
        if (left <= Clock::duration::zero())
            return;
        waitAtMost(left);
    }
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

void WindowPacer::handleMessagesOtherThanInput() {
    MSG message;
    for (const MessageRange &range : messagesOtherThanInput)
        while (PeekMessageW(&message, nullptr, range.first, range.last, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quitRequested_ = true;
                quitCode_ = static_cast<int>(message.wParam);
                continue;
            }
            DispatchMessageW(&message);
        }
}

void WindowPacer::resumeInput() {
    if (quitRequested_)
        PostQuitMessage(quitCode_);
    quitRequested_ = false;
}
