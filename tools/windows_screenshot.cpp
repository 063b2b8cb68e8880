// Saves the README's pictures of the Windows program: kymora.exe under Wine, in a Wine desktop
// of its own on the X server this runs on, after one run with the default settings, or with the
// arguments given; and after the Windows programs that follow each --then, run in turn on the
// same Wine desktop once the run is over (the tests' probe, changing the system's colours, say).
//
//   windows_screenshot KYMORA_EXE OUTPUT_PNG [ARGUMENT...] [--then PROGRAM [ARGUMENT...]]...
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

// Each list of arguments, split where --then stands.
QList<QStringList> splitAtThen(const QStringList &arguments) {
    QList<QStringList> parts{{}};
    for (const QString &argument : arguments)
        if (argument == QLatin1String("--then"))
            parts.append(QStringList());
        else
            parts.last().append(argument);
    return parts;
}

} // namespace

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("usage: windows_screenshot KYMORA_EXE OUTPUT_PNG [ARGUMENT...] [--then "
                   "PROGRAM [ARGUMENT...]]...\n",
                   stderr);
        return 2;
    }
    const QList<QStringList> parts = splitAtThen(app.arguments().mid(3));
    const QStringList onTheDesktop = {QStringLiteral("explorer"),
                                      QStringLiteral("/desktop=Kymora,900x700")};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    environment.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    QProcess wine;
    wine.setProcessEnvironment(environment);
    wine.start(QStringLiteral("wine"),
               onTheDesktop + QStringList{QString::fromLocal8Bit(argv[1])} + parts.first());
    const QString desktop = xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                                     QStringLiteral("--name"), QStringLiteral("Wine desktop")})
                                .section(QLatin1Char('\n'), 0, 0);
    // The window opens with the focus on Start: Enter starts a run, which takes a fraction of a
    // second.
    QThread::sleep(3);
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), desktop});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    QThread::sleep(2);
    for (const QStringList &then : parts.mid(1)) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral("wine"), onTheDesktop + then);
        program.waitForFinished(60000);
    }
    if (parts.size() > 1)
        QThread::sleep(2);
    const QImage shot =
        QGuiApplication::primaryScreen()->grabWindow(desktop.toULongLong()).toImage();
    const bool saved = shot.copy(windowOnDesktop(shot)).save(QString::fromLocal8Bit(argv[2]));
    QProcess::execute(QStringLiteral("wineserver"), {QStringLiteral("-k")});
    wine.waitForFinished(10000);
    return saved ? 0 : 1;
}
