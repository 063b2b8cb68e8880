// Saves the README's picture of the Windows program: kymora.exe under Wine, in a Wine desktop
// of its own on the X server this runs on, after one run with the default settings.
//
//   windows_screenshot KYMORA_EXE OUTPUT_PNG
//
// Runs under xvfb-run, with WINEPREFIX naming the Wine prefix to use.

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScreen>
#include <QThread>

#include <cstdio>

namespace {

QString xdotool(const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The smallest rectangle that holds every pixel not in the desktop's own colour.
QRect windowOnDesktop(const QImage &desktop) {
    const QRgb background = desktop.pixel(desktop.width() - 1, desktop.height() - 1);
    QRect found;
    for (int y = 0; y < desktop.height(); ++y)
        for (int x = 0; x < desktop.width(); ++x)
            if (desktop.pixel(x, y) != background)
                found |= QRect(x, y, 1, 1);
    return found;
}

} // namespace

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: windows_screenshot KYMORA_EXE OUTPUT_PNG\n", stderr);
        return 2;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    environment.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    QProcess wine;
    wine.setProcessEnvironment(environment);
    wine.start(QStringLiteral("wine"),
               {QStringLiteral("explorer"), QStringLiteral("/desktop=Kymora,900x700"),
                QString::fromLocal8Bit(argv[1])});
    const QString desktop = xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                                     QStringLiteral("--name"), QStringLiteral("Wine desktop")})
                                .section(QLatin1Char('\n'), 0, 0);
    // The window opens with the focus on Start: Enter starts a run, which takes a fraction of a
    // second.
    QThread::sleep(3);
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), desktop});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    QThread::sleep(2);
    const QImage shot =
        QGuiApplication::primaryScreen()->grabWindow(desktop.toULongLong()).toImage();
    const bool saved = shot.copy(windowOnDesktop(shot)).save(QString::fromLocal8Bit(argv[2]));
    QProcess::execute(QStringLiteral("wineserver"), {QStringLiteral("-k")});
    wine.waitForFinished(10000);
    return saved ? 0 : 1;
}
