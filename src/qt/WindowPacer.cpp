#include "qt/WindowPacer.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>

#include <thread>

namespace {

using std::chrono::milliseconds;

constexpr QEventLoop::ProcessEventsFlags withoutUserInput = QEventLoop::ExcludeUserInputEvents;

} // namespace

void WindowPacer::handleWindowSystemEvents() {
    QCoreApplication::processEvents(withoutUserInput);
}

void WindowPacer::resumeInput() {
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

void WindowPacer::showAndWaitUntil(Clock::time_point deadline) {
    handleWindowSystemEvents();
    // The event loop sleeps until an event comes or the timer wakes it. Timers count whole
    // milliseconds; the last fraction of one is slept without handling events.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (auto left = deadline - now(); left > Clock::duration::zero(); left = deadline - now()) {
        const milliseconds wholeMilliseconds = std::chrono::floor<milliseconds>(left);
        if (wholeMilliseconds.count() == 0) {
            std::this_thread::sleep_for(left);
            break;
        }
        wake.start(wholeMilliseconds);
        QCoreApplication::processEvents(withoutUserInput | QEventLoop::WaitForMoreEvents);
    }
}
