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
    void answersTheCommandLineWithoutADisplay_data();
    void answersTheCommandLineWithoutADisplay();
    void setsTheWindowUpFromTheCommandLine();
};

namespace {

// Starts the program with only these display variables set and these arguments; returns what
// it wrote to its standard error, or to its standard output where that is asked for.
QString runWithDisplay(const QString &name, const QString &value, int *exitCode,
                       const QStringList &arguments = {}, bool output = false) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    if (!value.isEmpty())
        environment.insert(name, value);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KYMORA_EXECUTABLE), arguments);
    if (!program.waitForFinished(20000) || program.exitStatus() != QProcess::NormalExit) {
        program.kill();
        *exitCode = -1; // no end, or a crash
        return {};
    }
    *exitCode = program.exitCode();
    return QString::fromLocal8Bit(output ? program.readAllStandardOutput()
                                         : program.readAllStandardError());
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

void tst_Main::answersTheCommandLineWithoutADisplay_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("answer"); // the start of what it writes
    QTest::newRow("help") << "--help" << 0 << "Usage: kymora [options]\n";
    QTest::newRow("bad value") << "--detector=up" << 2
                               << "kymora: bad value \"up\" for detector: use near or far\n";
}

void tst_Main::answersTheCommandLineWithoutADisplay() {
    QFETCH(QString, argument);
    QFETCH(int, exitCode);
    QFETCH(QString, answer);
    int ended = -1;
    const QString said = runWithDisplay(QString(), QString(), &ended, {argument}, exitCode == 0);
    QCOMPARE(ended, exitCode);
    QVERIFY2(exitCode == 0 ? said.startsWith(answer) : said == answer, qPrintable(said));
}

// The fields as the window holds them when its event loop starts, printed by a library that
// then presses Start and ends the program.
void tst_Main::setsTheWindowUpFromTheCommandLine() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KYMORA_DRIVE_START));
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("verify_asan_link_order=0"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KYMORA_EXECUTABLE),
                  {QStringLiteral("--detector=near"), QStringLiteral("--mirror=ordinary"),
                   QStringLiteral("--frequency"), QStringLiteral("1"),
                   QStringLiteral("--speed=7")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.readAllStandardOutput(), QByteArray("170 7 1 1\n"));
    QCOMPARE(program.exitCode(), 42); // the run was drawn
}

QTEST_GUILESS_MAIN(tst_Main)
#include "tst_main.moc"
