#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// `cmake --install` lays out a normal install under a prefix, and the desktop files in it pass
// the desktop's own validators.
class tst_Install : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void laysOutTheInstall_data();
    void laysOutTheInstall();
    void desktopEntryIsValid();
    void metainfoIsValid();

private:
    static int run(const QString &program, const QStringList &arguments, QString *output);

    QTemporaryDir prefix_;
};

int tst_Install::run(const QString &program, const QStringList &arguments, QString *output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void tst_Install::initTestCase() {
    QVERIFY(prefix_.isValid());
    QString output;
    const int code = run(QStringLiteral(CMAKE_COMMAND),
                         {QStringLiteral("--install"), QStringLiteral(KYMORA_BUILD_DIR),
                          QStringLiteral("--prefix"), prefix_.path()},
                         &output);
    QVERIFY2(code == 0, qPrintable(output));
}

void tst_Install::laysOutTheInstall_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("program") << "bin/kymora";
    QTest::newRow("desktop entry") << "share/applications/org.example.kymora.desktop";
    QTest::newRow("metainfo") << "share/metainfo/org.example.kymora.metainfo.xml";
    for (const int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("icon %d", size)
            << QStringLiteral("share/icons/hicolor/%1x%1/apps/org.example.kymora.png").arg(size);
    QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/org.example.kymora.svg";
    QTest::newRow("manual page") << "share/man/man1/kymora.1";
}

void tst_Install::laysOutTheInstall() {
    QFETCH(QString, path);
    const QFileInfo file(QDir(prefix_.path()).filePath(path));
    QVERIFY2(file.isFile(), qPrintable(path));
    QVERIFY(file.size() > 0);
    if (path.startsWith(QStringLiteral("bin/")))
        QVERIFY(file.isExecutable());
}

void tst_Install::desktopEntryIsValid() {
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QFAIL("desktop-file-validate is not installed (package desktop-file-utils)");
    QString output;
    const QString entry =
        QDir(prefix_.path())
            .filePath(QStringLiteral("share/applications/org.example.kymora.desktop"));
    QVERIFY2(run(validator, {entry}, &output) == 0, qPrintable(output));
    QVERIFY2(!output.contains(QStringLiteral("error")), qPrintable(output));
}

void tst_Install::metainfoIsValid() {
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (validator.isEmpty())
        QFAIL("appstreamcli is not installed (package appstream)");
    QString output;
    const QString metainfo =
        QDir(prefix_.path())
            .filePath(QStringLiteral("share/metainfo/org.example.kymora.metainfo.xml"));
    QVERIFY2(run(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo},
                 &output) == 0,
             qPrintable(output));
}

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_install.moc"
