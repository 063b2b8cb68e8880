#pragma once

#include <QPoint>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

// User input handed to the application the way the window system hands it over: queued, to be
// handled when the event loop next takes user input. Input made while a run pauses waits for
// the run's end.

inline QWindow *windowOf(QWidget *widget) {
    return widget->window()->windowHandle();
}

// A click of the left button at a point of the widget.
inline void queueClick(QWidget *widget, QPoint at) {
    QWindow *window = windowOf(widget);
    const QPointF local = widget->mapTo(widget->window(), at);
    const QPointF global = widget->mapToGlobal(at);
    using Queued = QWindowSystemInterface::AsynchronousDelivery;
    QWindowSystemInterface::handleMouseEvent<Queued>(window, local, global, Qt::LeftButton,
                                                     Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<Queued>(window, local, global, Qt::NoButton,
                                                     Qt::LeftButton, QEvent::MouseButtonRelease);
}

inline void queueClick(QWidget *widget) {
    queueClick(widget, widget->rect().center());
}

// A key pressed and let go, on whatever has the keyboard focus.
inline void queueKey(QWidget *window, Qt::Key key, const QString &text = QString()) {
    using Queued = QWindowSystemInterface::AsynchronousDelivery;
    QWindowSystemInterface::handleKeyEvent<Queued>(windowOf(window), QEvent::KeyPress, key,
                                                   Qt::NoModifier, text);
    QWindowSystemInterface::handleKeyEvent<Queued>(windowOf(window), QEvent::KeyRelease, key,
                                                   Qt::NoModifier, text);
}

// A request to close the window, as from its title bar.
inline void queueClose(QWidget *window) {
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        windowOf(window));
}
