#pragma once

#include "PaintWatch.h"
#include "qt/FormWindow.h"
#include "qt/WindowPacer.h"

#include <QList>
#include <QScopedValueRollback>

#include <functional>

// The window's own pacing, with something done at one of the run's pauses, and a note of
// whether every drawing had been painted when a pause ended.
class WatchedPacer : public WindowPacer {
public:
    explicit WatchedPacer(FormWindow &window) : watch_(*window.clientArea()) {
        window.form().drawOn(watch_);
    }

    std::function<void()> atPause; // done at the pause numbered actAt
    int actAt = 1;
    std::function<void()> atEveryLaterPause;
    int pauses = 0;
    bool everyDrawingShown = true;
    bool waitedInsideAWait = false;     // a run started inside another
    QList<Clock::time_point> deadlines; // of every wait, in order

    void showAndWaitUntil(Clock::time_point deadline) override {
        waitedInsideAWait = waitedInsideAWait || waiting_;
        const QScopedValueRollback<bool> waiting(waiting_, true);
        ++pauses;
        deadlines << deadline;
        if (pauses == actAt && atPause)
            atPause();
        else if (pauses > actAt && atEveryLaterPause)
            atEveryLaterPause();
        WindowPacer::showAndWaitUntil(deadline);
        if (!watch_.unpainted().isEmpty())
            everyDrawingShown = false;
    }

private:
    PaintWatch watch_;
    bool waiting_ = false;
};
