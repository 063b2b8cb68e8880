#include "qt/WindowPacer.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <thread>

namespace {

using std::chrono::milliseconds;

// A held run sleeps in the event loop until an event comes; its timer, which ends every wait,
// is never set longer than this, so that no time overflows a timer.
constexpr milliseconds longestTimer{60'000};

} // namespace

void WindowPacer::handleWindowSystemEvents() {
    const HeldInput::Holding holding(input_);
    QCoreApplication::processEvents();
}

void WindowPacer::resumeInput() {
    input_.handBack();
}

// A command from elsewhere than the events handled in the wait ends the event loop's sleep.
void WindowPacer::wake() {
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

void WindowPacer::showAndWaitUntil(Clock::time_point deadline) {
    const HeldInput::Holding holding(input_);
    QCoreApplication::processEvents();
    // The event loop sleeps until an event comes or the timer wakes it. Timers count whole
    // milliseconds; the last fraction of one is slept without handling events.
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    for (auto left = deadline - now(); !hasCommand() && left > Clock::duration::zero();
         left = deadline - now()) {
        const milliseconds wholeMilliseconds = std::chrono::floor<milliseconds>(left);
        if (wholeMilliseconds.count() == 0) {
            std::this_thread::sleep_for(left);
            break;
        }
        timer.start(std::min(wholeMilliseconds, longestTimer));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}
