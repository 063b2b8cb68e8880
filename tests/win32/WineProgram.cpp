#include "WineProgram.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcessEnvironment>
#include <QScreen>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// How often the client area is looked at while waiting for it to change, or to stop changing.
constexpr int intervalMs = 100;

QProcessEnvironment wineEnvironment(const QString &prefix) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEPREFIX"), prefix);
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    environment.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    return environment;
}

// Where an X window lies on the screen, and its size: in a window manager's frame, or not.
QRect placeOnScreen(std::uint32_t window) {
    xcb_connection_t *x =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    xcb_get_geometry_reply_t *size =
        xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    if (!size)
        return {};
    xcb_translate_coordinates_reply_t *place = xcb_translate_coordinates_reply(
        x, xcb_translate_coordinates(x, window, size->root, 0, 0), nullptr);
    const QRect area =
        place ? QRect(place->dst_x, place->dst_y, size->width, size->height) : QRect();
    std::free(place);
    std::free(size);
    return area;
}

// The shown windows of the program, by their title.
QStringList programWindows() {
    return shownWindowsNamed(QStringLiteral("^Kymora - "));
}

} // namespace

QStringList shownWindowsNamed(const QString &pattern) {
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                  QStringLiteral("--name"), pattern});
    search.waitForFinished(20000);
    return QString::fromUtf8(search.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

WineProgram::WineProgram(const QString &program, const QString &prefix,
                         const QStringList &arguments, const QStringList &environment)
    : prefix_(prefix) {
    const QStringList before = programWindows();
    QProcessEnvironment variables = wineEnvironment(prefix);
    for (const QString &variable : environment)
        variables.insert(variable.section(QLatin1Char('='), 0, 0),
                         variable.section(QLatin1Char('='), 1));
    wine_.setProcessEnvironment(variables);
    wine_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    wine_.start(QStringLiteral("wine"), QStringList{program} + arguments);
    if (!wine_.waitForStarted())
        return;
    // Its own window: the one that was not there before it started.
    QElapsedTimer waited;
    waited.start();
    while (window_.isEmpty() && waited.elapsed() < 60000) {
        for (const QString &window : programWindows())
            if (!before.contains(window))
                window_ = window;
        if (window_.isEmpty())
            QTest::qWait(200);
    }
    if (window_.isEmpty())
        return;
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window_});
    // The window paints itself once it has been shown.
    waitUntilStill();
}

WineProgram::~WineProgram() {
    if (wine_.state() != QProcess::NotRunning) {
        QProcess::execute(
            QStringLiteral("sh"),
            {QStringLiteral("-c"), QStringLiteral("WINEPREFIX='%1' wineserver -k").arg(prefix_)});
        wine_.waitForFinished(10000);
    }
}

QString WineProgram::xdotool(const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString WineProgram::title() const {
    return xdotool({QStringLiteral("getwindowname"), window_});
}

void WineProgram::click(QPoint clientPoint) {
    click(clientPoint, 1);
}

// xdotool's move waits until the pointer has moved, and over Wine's window a move to where the
// pointer already is waits 15 seconds for that: the pointer is moved only where it is elsewhere.
void WineProgram::click(QPoint clientPoint, int times) {
    const QPoint onScreen = clientArea().topLeft() + clientPoint;
    QStringList arguments;
    if (QCursor::pos() != onScreen)
        arguments << QStringLiteral("mousemove") << QStringLiteral("--sync")
                  << QString::number(onScreen.x()) << QString::number(onScreen.y());
    xdotool(arguments << QStringLiteral("click") << QStringLiteral("--repeat")
                      << QString::number(times) << QStringLiteral("--delay") << QStringLiteral("60")
                      << QStringLiteral("1"));
}

void WineProgram::pressKeys(const QStringList &keys) {
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")} +
            keys);
}

void WineProgram::unmapAndMap() {
    xdotool({QStringLiteral("windowunmap"), QStringLiteral("--sync"), window_});
    xdotool({QStringLiteral("windowmap"), QStringLiteral("--sync"), window_});
}

QRect WineProgram::clientArea() const {
    return placeOnScreen(xWindow());
}

QImage WineProgram::grab() const {
    const QRect client = clientArea();
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, client.x(), client.y(), client.width(), client.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage WineProgram::waitUntilStill(int timeoutMs) const {
    constexpr int stillForMs = 500;
    QElapsedTimer timer;
    timer.start();
    QImage last = grab();
    QElapsedTimer still;
    still.start();
    while (timer.elapsed() < timeoutMs) {
        QTest::qWait(intervalMs);
        const QImage now = grab();
        if (now != last) {
            last = now;
            still.restart();
        } else if (still.elapsed() >= stillForMs) {
            return now;
        }
    }
    return last;
}

bool WineProgram::waitUntilChangedFrom(const QImage &before, const QRect &area,
                                       int timeoutMs) const {
    const QRect watched = area.isNull() ? before.rect() : area;
    QElapsedTimer timer;
    timer.start();
    while (grab().copy(watched) == before.copy(watched)) {
        if (timer.elapsed() >= timeoutMs)
            return false;
        QTest::qWait(intervalMs);
    }
    return true;
}

QImage WineProgram::waitUntilStillAfter(const std::function<void()> &change) {
    const QImage before = grab();
    change();
    if (!waitUntilChangedFrom(before))
        return before;
    return waitUntilStill();
}

// A busy machine may keep the probe from starting now and then: it is asked again.
QString WineProgram::ask(const QStringList &question) const {
    constexpr int attempts = 3;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        QProcess probe;
        probe.setProcessEnvironment(wineEnvironment(prefix_));
        probe.start(QStringLiteral("wine"),
                    QStringList{QStringLiteral(KYMORA_WINDOWS_PROBE)} + question);
        if (probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit &&
            probe.exitCode() == 0)
            return QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
    }
    return {};
}

int WineProgram::waitForExit(int timeoutMs) {
    if (!wine_.waitForFinished(timeoutMs))
        return -1;
    return wine_.exitStatus() == QProcess::NormalExit ? wine_.exitCode() : -1;
}
