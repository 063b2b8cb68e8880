#include "ProgramInfo.h"

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
    void setsTheWindowUpFromTheCommandLine_data();
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

// The fields and a frame's title as the window holds them when its event loop starts, and what
// a screen reader hears after a run, printed by a library that presses Start and ends the
// program: set up and spoken as the command line and the user's language ask.
void tst_Main::setsTheWindowUpFromTheCommandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language"); // LANG
    QTest::addColumn<QString>("printed");
    QTest::newRow("set up") << QStringList{"--detector=near", "--mirror=ordinary", "--frequency",
                                           "1", "--speed=7"}
                            << "C"
                            << "170 7 1 1\nDetector position\nMirror: Ordinary. Frequency: 1. "
                               "Detector position: Near. The detector is dark. The resultant is "
                               "31.5 long.\n";
    const QString czech = "0 1 2 2\nPoloha detektoru\nZrcadlo: Mřížka. Kmitočet: 2. Poloha "
                          "detektoru: Daleko. Detektor je osvětlen. Výslednice je dlouhá 165,1.\n";
    QTest::newRow("--lang=cs") << QStringList{"--lang=cs"} << "C" << czech;
    QTest::newRow("LANG=cs_CZ.UTF-8") << QStringList() << "cs_CZ.UTF-8" << czech;
    QTest::newRow("--lang=en in Czech")
        << QStringList{"--lang=en"} << "cs_CZ.UTF-8"
        << "0 1 2 2\nDetector position\nMirror: Grating. Frequency: 2. Detector position: Far. "
           "The detector is lit. The resultant is 165.1 long.\n";
}

void tst_Main::setsTheWindowUpFromTheCommandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QFETCH(QString, printed);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(variable));
    environment.insert(QStringLiteral("LANG"), language);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KYMORA_DRIVE_START));
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("verify_asan_link_order=0"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KYMORA_EXECUTABLE), arguments);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), printed);
    QCOMPARE(program.exitCode(), 42); // the run was drawn
}

QTEST_GUILESS_MAIN(tst_Main)
#include "tst_main.moc"
