#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The real program, traced with strace on a real X server: started, one run, Exit. It opens no
// network socket, connects to nothing but the display (and local services of the desktop
// session), and opens no file for writing.
class tst_NoFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void exitsNormally();
    void opensNoNetworkSocket();
    void connectsOnlyToTheDisplay();
    void opensNoFileForWriting();

private:
    QString tool(const char *name);
    bool xdotool(const QStringList &arguments, QString *output = nullptr);

    QTemporaryDir scratch_;
    QProcess xvfb_;
    QString display_;
    QStringList trace_;
    int exitCode_ = -1;
};

QString tst_NoFiles::tool(const char *name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

bool tst_NoFiles::xdotool(const QStringList &arguments, QString *output) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    process.setProcessEnvironment(environment);
    process.start(tool("xdotool"), arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return false;
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    return true;
}

void tst_NoFiles::initTestCase() {
    for (const char *name : {"strace", "Xvfb", "xdotool"})
        if (tool(name).isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(name))));
    QVERIFY(scratch_.isValid());

    // A real X server; it tells its display number on its standard output.
    xvfb_.start(tool("Xvfb"),
                {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                 QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                 QStringLiteral("tcp")});
    QVERIFY(xvfb_.waitForReadyRead(20000));
    display_ = QStringLiteral(":") + QString::fromLatin1(xvfb_.readLine()).trimmed();

    // The program, traced, in a desktop session of its own whose session bus is not there: with
    // no address at all, the message bus library would launch a bus of its own (dbus-launch,
    // where dbus-x11 is installed), which writes files and outlives the program.
    const QString traceFile = scratch_.filePath(QStringLiteral("trace"));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QStringLiteral("unix:path=") + scratch_.filePath(QStringLiteral("dbus")));
    environment.insert(QStringLiteral("DISPLAY"), display_);
    // In a sanitizer build: LeakSanitizer cannot inspect a process that strace already traces.
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       environment.value(QStringLiteral("ASAN_OPTIONS")) +
                           QStringLiteral(":detect_leaks=0"));
    const QString runtime = scratch_.filePath(QStringLiteral("runtime"));
    QVERIFY(QDir().mkdir(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    program.setProcessEnvironment(environment);
    program.start(tool("strace"),
                  {QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-e"),
                   QStringLiteral("trace=open,openat,openat2,creat,socket,connect,mkdir,"
                                  "rename,unlink,truncate"),
                   QStringLiteral("-o"), traceFile, QStringLiteral(KYMORA_EXECUTABLE)});
    QVERIFY(program.waitForStarted());

    // Start, then Exit, clicked where they are on the window. The run is over before the
    // click on Exit is handled.
    QString window;
    QVERIFY(xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--name"),
                     QStringLiteral("^Kymora - ")},
                    &window));
    window = window.section(QLatin1Char('\n'), 0, 0);
    QVERIFY(xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                     QStringLiteral("592"), QStringLiteral("20"), QStringLiteral("click"),
                     QStringLiteral("1")}));
    QVERIFY(xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                     QStringLiteral("688"), QStringLiteral("20"), QStringLiteral("click"),
                     QStringLiteral("1")}));
    QVERIFY(program.waitForFinished(60000));
    exitCode_ = program.exitCode();

    QFile trace(traceFile);
    QVERIFY(trace.open(QIODevice::ReadOnly));
    trace_ = QString::fromLocal8Bit(trace.readAll()).split(QLatin1Char('\n'));
    QVERIFY(trace_.size() > 10);
}

void tst_NoFiles::cleanupTestCase() {
    xvfb_.terminate();
    xvfb_.waitForFinished();
}

void tst_NoFiles::exitsNormally() {
    QCOMPARE(exitCode_, 0);
}

void tst_NoFiles::opensNoNetworkSocket() {
    for (const QString &line : std::as_const(trace_))
        if (line.contains(QStringLiteral("socket(")))
            QVERIFY2(line.contains(QStringLiteral("socket(AF_UNIX")), qPrintable(line));
}

// Local connections only: the X server, and the name service and message bus that the C
// library and the desktop integration look for.
void tst_NoFiles::connectsOnlyToTheDisplay() {
    const QString displaySocket = QStringLiteral("/tmp/.X11-unix/X") + display_.mid(1);
    bool display = false;
    for (const QString &line : std::as_const(trace_)) {
        if (!line.contains(QStringLiteral("connect(")))
            continue;
        QVERIFY2(line.contains(QStringLiteral("sa_family=AF_UNIX")), qPrintable(line));
        if (line.contains(displaySocket)) {
            display = true;
            continue;
        }
        QVERIFY2(line.contains(QStringLiteral("/nscd/")) || line.contains(QStringLiteral("dbus")),
                 qPrintable(line));
    }
    QVERIFY(display);
}

void tst_NoFiles::opensNoFileForWriting() {
    static const QRegularExpression writing(
        QStringLiteral("(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND)"));
    for (const QString &line : std::as_const(trace_)) {
        if (line.contains(QStringLiteral("\"/dev/null\"")))
            continue; // writing there writes nothing
        if (line.contains(QStringLiteral("open")))
            QVERIFY2(!writing.match(line).hasMatch(), qPrintable(line));
        for (const char *call : {"creat(", "mkdir(", "rename(", "unlink(", "truncate("})
            QVERIFY2(!line.contains(QLatin1String(call)) || line.contains(QStringLiteral("= -1")),
                     qPrintable(line));
    }
}

QTEST_GUILESS_MAIN(tst_NoFiles)
#include "tst_nofiles.moc"
