#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

// The program started where no display can be reached.
class tst_Main : public QObject {
    Q_OBJECT

private slots:
    void saysSoWhenNoDisplayCanBeReached_data();
    void saysSoWhenNoDisplayCanBeReached();
};

void tst_Main::saysSoWhenNoDisplayCanBeReached_data() {
    QTest::addColumn<QString>("display");
    QTest::newRow("no display named") << QString();
    QTest::newRow("display that does not answer") << QStringLiteral(":987");
}

void tst_Main::saysSoWhenNoDisplayCanBeReached() {
    QFETCH(QString, display);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KYMORA_EXECUTABLE), {});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit); // no crash, no core dump
    QVERIFY(program.exitCode() != 0);
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(errors.contains(QStringLiteral("no display could be reached")), qPrintable(errors));
    QVERIFY(errors.contains(QStringLiteral("xvfb-run")));
}

QTEST_GUILESS_MAIN(tst_Main)
#include "tst_main.moc"
