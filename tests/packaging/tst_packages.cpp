#include "WindowsResources.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The release packages as `make package` makes them: the Debian package unpacked, checked and
// its program run, lintian's verdict on the upload, and the zips. Nothing is installed here.

namespace {

const QString debianPackage = QStringLiteral(KYMORA_DEBIAN_PACKAGE);
// What the source package and the packages built from it are uploaded as.
const QString changes = QStringLiteral(KYMORA_DEBIAN_CHANGES);
const QString windowsZip = QStringLiteral(KYMORA_WINDOWS_ZIP);
const QString webZip = QStringLiteral(KYMORA_WEB_ZIP);

QString controlField(const QString &field) {
    return QString::fromUtf8(
               outputOf(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), debianPackage, field}))
        .trimmed();
}

// Unpacks a zip into a folder; false when it cannot.
bool unzip(const QString &zip, const QString &folder) {
    QProcess tar;
    tar.setWorkingDirectory(folder);
    tar.start(QStringLiteral("cmake"),
              {QStringLiteral("-E"), QStringLiteral("tar"), QStringLiteral("xf"), zip});
    return tar.waitForFinished(30000) && tar.exitCode() == 0;
}

QStringList filesBelow(const QString &root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

class tst_Packages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void debianPackageHoldsTheProgramAndItsDocuments();
    void controlFieldsAreComplete_data();
    void controlFieldsAreComplete();
    void dependsOnTheLibrariesTheProgramLinks();
    void unpackedProgramOpensItsWindowAndRuns();
    void everyTextFitsInThePackagesFonts();
    void lintianReportsNothing();
    void manualPageHasNoFaults();
    void windowsZipHoldsTheProgramItsReadmeAndTheNotices();
    void webZipHoldsThePageItsReadmeAndTheLicences();

private:
    QTemporaryDir unpacked_;
};

void tst_Packages::initTestCase() {
    QVERIFY2(QFile::exists(debianPackage), qPrintable(debianPackage));
    QVERIFY2(QFile::exists(windowsZip), qPrintable(windowsZip));
    QVERIFY(unpacked_.isValid());
    QCOMPARE(QProcess::execute(QStringLiteral("dpkg-deb"),
                               {QStringLiteral("-x"), debianPackage, unpacked_.path()}),
             0);
}

void tst_Packages::debianPackageHoldsTheProgramAndItsDocuments() {
    const QStringList expected = {
        QStringLiteral("usr/bin/kymora"),
        QStringLiteral("usr/share/applications/org.example.kymora.desktop"),
        QStringLiteral("usr/share/doc/kymora/changelog.Debian.gz"),
        QStringLiteral("usr/share/doc/kymora/copyright"),
        QStringLiteral("usr/share/icons/hicolor/128x128/apps/org.example.kymora.png"),
        QStringLiteral("usr/share/icons/hicolor/16x16/apps/org.example.kymora.png"),
        QStringLiteral("usr/share/icons/hicolor/256x256/apps/org.example.kymora.png"),
        QStringLiteral("usr/share/icons/hicolor/32x32/apps/org.example.kymora.png"),
        QStringLiteral("usr/share/icons/hicolor/48x48/apps/org.example.kymora.png"),
        QStringLiteral("usr/share/icons/hicolor/64x64/apps/org.example.kymora.png"),
        QStringLiteral("usr/share/icons/hicolor/scalable/apps/org.example.kymora.svg"),
        QStringLiteral("usr/share/lintian/overrides/kymora"),
        QStringLiteral("usr/share/man/man1/kymora.1.gz"),
        QStringLiteral("usr/share/metainfo/org.example.kymora.metainfo.xml"),
    };
    QCOMPARE(filesBelow(unpacked_.path()), expected);
    QFile copyright(unpacked_.filePath(QStringLiteral("usr/share/doc/kymora/copyright")));
    QVERIFY(copyright.open(QIODevice::ReadOnly));
    const QByteArray text = copyright.readAll();
    QVERIFY(text.startsWith(
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"));
    QVERIFY(text.contains("\nLicense: Expat\n"));
}

void tst_Packages::controlFieldsAreComplete_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::newRow("package") << "Package"
                             << "kymora";
    QTest::newRow("version") << "Version"
                             << "1.00-1";
    QTest::newRow("architecture") << "Architecture"
                                  << "amd64";
    QTest::newRow("maintainer") << "Maintainer"
                                << "The Kymora developers <kymora@example.org>";
    QTest::newRow("section") << "Section"
                             << "education";
    QTest::newRow("priority") << "Priority"
                              << "optional";
    QTest::newRow("homepage") << "Homepage"
                              << "https://example.org/kymora";
}

void tst_Packages::controlFieldsAreComplete() {
    QFETCH(QString, field);
    QFETCH(QString, value);
    QCOMPARE(controlField(field), value);
    QVERIFY(controlField(QStringLiteral("Description"))
                .startsWith(QStringLiteral("demonstration of light paths")));
    QVERIFY(controlField(QStringLiteral("Installed-Size")).toInt() > 0);
}

void tst_Packages::dependsOnTheLibrariesTheProgramLinks() {
    const QString depends = controlField(QStringLiteral("Depends"));
    for (const QString &package :
         {QStringLiteral("libqt6widgets6 ("), QStringLiteral("libqt6gui6 ("),
          QStringLiteral("libqt6core6 ("), QStringLiteral("libc6 ("),
          QStringLiteral("libstdc++6 ("), QStringLiteral("fonts-liberation2 | fonts-liberation")})
        QVERIFY2(depends.contains(package), qPrintable(depends));
}

// The unpacked program, not the one in the build tree: a library loaded into it presses Start
// once its window is open and ends it with 42 when the run has drawn its green resultant.
void tst_Packages::unpackedProgramOpensItsWindowAndRuns() {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KYMORA_DRIVE_START));
    program.setProcessEnvironment(environment);
    program.start(unpacked_.filePath(QStringLiteral("usr/bin/kymora")), {});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 42);
}

// Nothing, down to its pedantic remarks, but the one override, which it names with its reason.
// The font packages the package depends on: of each choice, the first that is installed.
QStringList fontPackages(const QString &depends) {
    QStringList packages;
    for (const QString &choice : depends.split(QLatin1Char(','))) {
        for (QString alternative : choice.split(QLatin1Char('|'))) {
            alternative = alternative.trimmed().section(QLatin1Char(' '), 0, 0);
            if (alternative.startsWith(QStringLiteral("fonts-")) &&
                !outputOf(QStringLiteral("dpkg"), {QStringLiteral("-L"), alternative}).isEmpty()) {
                packages << alternative;
                break;
            }
        }
    }
    return packages;
}

// The unpacked program on a system whose font configuration knows only the fonts of the
// packages it depends on: every button's and frame's text fits its control, in one of the
// design's faces or their stand-ins.
void tst_Packages::everyTextFitsInThePackagesFonts() {
    QStringList folders;
    for (const QString &package : fontPackages(controlField(QStringLiteral("Depends"))))
        for (const QString &file :
             QString::fromUtf8(outputOf(QStringLiteral("dpkg"), {QStringLiteral("-L"), package}))
                 .split(QLatin1Char('\n')))
            if (file.endsWith(QStringLiteral(".ttf")) || file.endsWith(QStringLiteral(".otf")))
                folders << QFileInfo(file).path();
    folders.removeDuplicates();
    QTemporaryDir fonts;
    QFile configuration(fonts.filePath(QStringLiteral("fonts.conf")));
    QVERIFY(configuration.open(QIODevice::WriteOnly));
    QString text = QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig>\n");
    for (const QString &folder : folders)
        text += QStringLiteral("  <dir>%1</dir>\n").arg(folder);
    text +=
        QStringLiteral("  <cachedir>%1</cachedir>\n</fontconfig>\n").arg(fonts.filePath("cache"));
    configuration.write(text.toUtf8());
    configuration.close();

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), configuration.fileName());
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KYMORA_MEASURE_TEXT));
    program.setProcessEnvironment(environment);
    program.start(unpacked_.filePath(QStringLiteral("usr/bin/kymora")), {});
    QVERIFY(program.waitForFinished(60000));
    QVERIFY2(program.exitCode() == 43,
             qPrintable(folders.join(QLatin1Char(' ')) + QLatin1Char('\n') +
                        QString::fromUtf8(program.readAllStandardError())));
}

void tst_Packages::lintianReportsNothing() {
    QProcess lintian;
    lintian.start(QStringLiteral("lintian"), {QStringLiteral("-I"), QStringLiteral("--pedantic"),
                                              QStringLiteral("--show-overrides"), changes});
    QVERIFY(lintian.waitForFinished(120000));
    QStringList lines = QString::fromUtf8(lintian.readAllStandardOutput())
                            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.removeIf([](const QString &line) { return line.startsWith(QStringLiteral("N: ")); });
    lines.sort();
    QCOMPARE(lines, (QStringList{QStringLiteral("O: kymora source: debian-watch-file-is-missing"),
                                 QStringLiteral("O: kymora: initial-upload-closes-no-bugs "
                                                "[usr/share/doc/kymora/changelog.Debian.gz:1]"),
                                 QStringLiteral("O: kymora: spelling-error-in-binary Hilight "
                                                "Highlight [usr/bin/kymora]"),
                                 QStringLiteral("O: kymora: spelling-error-in-binary Programm "
                                                "Program [usr/bin/kymora]")}));
}

void tst_Packages::manualPageHasNoFaults() {
    QProcess mandoc;
    mandoc.start(QStringLiteral("mandoc"),
                 {QStringLiteral("-T"), QStringLiteral("lint"),
                  unpacked_.filePath(QStringLiteral("usr/share/man/man1/kymora.1.gz"))});
    QVERIFY(mandoc.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(mandoc.readAllStandardOutput() + mandoc.readAllStandardError()),
             QString());
    QCOMPARE(mandoc.exitCode(), 0);
}

void tst_Packages::windowsZipHoldsTheProgramItsReadmeAndTheNotices() {
    QTemporaryDir extracted;
    QVERIFY(unzip(windowsZip, extracted.path()));
    QCOMPARE(
        filesBelow(extracted.path()),
        (QStringList{QStringLiteral("LICENSE.txt"), QStringLiteral("README.txt"),
                     QStringLiteral("THIRD-PARTY-NOTICES.txt"), QStringLiteral("kymora.exe")}));
    QFile notices(extracted.filePath(QStringLiteral("THIRD-PARTY-NOTICES.txt")));
    QVERIFY(notices.open(QIODevice::ReadOnly));
    QVERIFY(notices.readAll().contains("GCC RUNTIME LIBRARY EXCEPTION"));

    QFile readme(extracted.filePath(QStringLiteral("README.txt")));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QByteArray text = readme.readAll();
    QVERIFY(text.startsWith("Kymora 1.00 for Windows\r\n"));
    QVERIFY(text.contains("double-click kymora.exe"));
    QCOMPARE(text.count('\n'), text.count("\r\n"));

    const QMap<QString, QString> version =
        versionStrings(extracted.filePath(QStringLiteral("kymora.exe")));
    QCOMPARE(version.value(QStringLiteral("FileVersion")), QStringLiteral("1.00"));
    QCOMPARE(version.value(QStringLiteral("OriginalFilename")), QStringLiteral("kymora.exe"));
}

// The page, under 320 KB (holding a run took it past 250 KB, to 300), what installs it as an
// app from a web server, its README, the MIT licence and the notices.
void tst_Packages::webZipHoldsThePageItsReadmeAndTheLicences() {
    QTemporaryDir extracted;
    QVERIFY(unzip(webZip, extracted.path()));
    QCOMPARE(filesBelow(extracted.path()),
             (QStringList{"LICENSE.txt", "README.txt", "THIRD-PARTY-NOTICES.txt", "kymora-192.png",
                          "kymora-512.png", "kymora-maskable.png", "kymora-sw.js", "kymora.html",
                          "kymora.webmanifest"}));
    QVERIFY(QFileInfo(extracted.filePath(QStringLiteral("kymora.html"))).size() < 320 * 1024);
    QFile readme(extracted.filePath(QStringLiteral("README.txt")));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    QVERIFY(readme.readAll().startsWith("Kymora 1.00 in the browser\r\n"));
    QFile licence(extracted.filePath(QStringLiteral("LICENSE.txt")));
    QVERIFY(licence.open(QIODevice::ReadOnly));
    QVERIFY(licence.readAll().startsWith("MIT License\r\n"));
}

QTEST_APPLESS_MAIN(tst_Packages)
#include "tst_packages.moc"
