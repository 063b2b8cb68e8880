#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

// The program started where no display can be reached.
class tst_Main : public QObject {
    Q_OBJECT

private slots:
    void saysSoWhenNoDisplayCanBeReached_data();
    void saysSoWhenNoDisplayCanBeReached();
    void triesWaylandWhenOnlyItIsNamed();
};

namespace {

// Starts the program with only these display variables set; returns what it wrote to its
// standard error.
QString runWithDisplay(const QString &name, const QString &value, int *exitCode) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    if (!value.isEmpty())
        environment.insert(name, value);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KYMORA_EXECUTABLE), {});
    if (!program.waitForFinished(20000) || program.exitStatus() != QProcess::NormalExit) {
        program.kill();
        *exitCode = -1; // no end, or a crash
        return {};
    }
    *exitCode = program.exitCode();
    return QString::fromLocal8Bit(program.readAllStandardError());
}

} // namespace

void tst_Main::saysSoWhenNoDisplayCanBeReached_data() {
    QTest::addColumn<QString>("display");
    QTest::newRow("no display named") << QString();
    QTest::newRow("display that does not answer") << QStringLiteral(":987");
}

void tst_Main::saysSoWhenNoDisplayCanBeReached() {
    QFETCH(QString, display);
    int exitCode = 0;
    const QString errors = runWithDisplay(QStringLiteral("DISPLAY"), display, &exitCode);
    QVERIFY(exitCode > 0); // no crash, no core dump
    QVERIFY2(errors.contains(QStringLiteral("no display could be reached")), qPrintable(errors));
    QVERIFY(errors.contains(QStringLiteral("xvfb-run")));
}

// A session that names only a Wayland compositor: the program tries it (here it answers not)
// rather than giving up before it has looked.
void tst_Main::triesWaylandWhenOnlyItIsNamed() {
    int exitCode = 0;
    const QString errors =
        runWithDisplay(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("nowhere-987"), &exitCode);
    QVERIFY(exitCode > 0);
    QVERIFY2(errors.contains(QStringLiteral("wayland"), Qt::CaseInsensitive), qPrintable(errors));
    QVERIFY(errors.contains(QStringLiteral("no display could be reached")));
}

QTEST_GUILESS_MAIN(tst_Main)
#include "tst_main.moc"
