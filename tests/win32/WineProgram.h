#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

// The shown windows of the test's X server whose titles match the pattern, as xdotool finds them.
QStringList shownWindowsNamed(const QString &pattern);

// The Windows program running under Wine on the test's X server, driven with xdotool as a
// person would drive it: by the mouse at places on its window and by keys.
class WineProgram {
public:
    // Starts the program in a Wine prefix, with these arguments and these variables
    // (NAME=value) added to the environment, and waits until its window is shown.
    WineProgram(const QString &program, const QString &prefix, const QStringList &arguments = {},
                const QStringList &environment = {});
    ~WineProgram();

    bool hasWindow() const { return !window_.isEmpty(); }
    QString title() const;
    // The window's client area on the screen, as the X server has it now: Wine's X window.
    QRect clientArea() const;

    void click(QPoint clientPoint);
    void click(QPoint clientPoint, int times);
    void pressKeys(const QStringList &keys);
    void unmapAndMap();
    // The X window that shows the client area.
    std::uint32_t xWindow() const { return window_.toUInt(); }

    // The client area as it is on the screen now.
    QImage grab() const;
    // Waits until the client area has not changed for half a second: a run is over.
    QImage waitUntilStill(int timeoutMs = 30000) const;
    // Waits until the client area is no longer that picture: a run has begun. Whether it did.
    bool waitUntilChangedFrom(const QImage &before, const QRect &area = {},
                              int timeoutMs = 10000) const;
    // Does what changes the client area, a click on Start, and waits until it has changed and is
    // still again: a run has begun and is over. The picture before it where nothing changed.
    QImage waitUntilStillAfter(const std::function<void()> &change);

    // Waits for the program to end; its exit code, or -1 when it did not end in time.
    int waitForExit(int timeoutMs = 20000);
    bool isRunning() const { return wine_.state() != QProcess::NotRunning; }

    // What the probe, run beside the program in its prefix, answers (see probe.cpp).
    QString ask(const QStringList &question) const;
    // The name of the control with the keyboard focus, asked of the program.
    QString focus() const { return ask({QStringLiteral("focus")}); }
    // The four settings fields' texts, nPoloha to nKmitocet, asked of the program.
    QString fields() const { return ask({QStringLiteral("fields")}); }

private:
    static QString xdotool(const QStringList &arguments);

    QProcess wine_;
    QString prefix_;
    QString window_;
};
