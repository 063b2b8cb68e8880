#include "WindowsResources.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QtEndian>

// What the Windows program carries, read back from the built file: its size, the DLLs it
// imports, its icon, its manifest and its version record.

namespace {

const QString program = QStringLiteral(KYMORA_WINDOWS_PROGRAM);
const QString iconFile = QStringLiteral(KYMORA_ICON_FILE);

// The images of an icon file: each one's width, height, colour count and bits per pixel, and its
// bytes.
struct IconImage {
    int width;
    int height;
    int colours;
    int bitsPerPixel;
    QByteArray data;

    friend bool operator==(const IconImage &, const IconImage &) = default;
};

QList<IconImage> iconImages(const QByteArray &ico) {
    QList<IconImage> images;
    const auto *bytes = reinterpret_cast<const uchar *>(ico.constData());
    if (ico.size() < 6)
        return images;
    const int count = qFromLittleEndian<quint16>(bytes + 4);
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= ico.size(); ++i) {
        const uchar *entry = bytes + 6 + 16 * i;
        const int size = int(qFromLittleEndian<quint32>(entry + 8));
        const int offset = int(qFromLittleEndian<quint32>(entry + 12));
        images.append({entry[0] ? entry[0] : 256, entry[1] ? entry[1] : 256, entry[2],
                       qFromLittleEndian<quint16>(entry + 6), ico.mid(offset, size)});
    }
    return images;
}

} // namespace

class tst_WindowsExecutable : public QObject {
    Q_OBJECT

private slots:
    void isOneSmallFile();
    void importsOnlyWindowsOwnDlls();
    void carriesTheIcon();
    void carriesItsManifest_data();
    void carriesItsManifest();
    void carriesTheVersionRecord_data();
    void carriesTheVersionRecord();
};

void tst_WindowsExecutable::isOneSmallFile() {
    const QFileInfo file(program);
    QVERIFY2(file.exists(), qPrintable(program));
    QVERIFY2(file.size() < 2 * 1024 * 1024, qPrintable(QString::number(file.size())));
}

void tst_WindowsExecutable::importsOnlyWindowsOwnDlls() {
    const QString headers = QString::fromUtf8(
        outputOf(QStringLiteral("x86_64-w64-mingw32-objdump"), {QStringLiteral("-p"), program}));
    QStringList imported;
    const QRegularExpression dllName(QStringLiteral("DLL Name: (\\S+)"));
    for (auto match = dllName.globalMatch(headers); match.hasNext();)
        imported << match.next().captured(1).toLower();
    QVERIFY(!imported.isEmpty());
    const QStringList windowsOwn = {QStringLiteral("kernel32.dll"), QStringLiteral("user32.dll"),
                                    QStringLiteral("gdi32.dll"),    QStringLiteral("comctl32.dll"),
                                    QStringLiteral("shell32.dll"),  QStringLiteral("uxtheme.dll"),
                                    QStringLiteral("advapi32.dll"), QStringLiteral("msvcrt.dll")};
    for (const QString &dll : imported)
        QVERIFY2(windowsOwn.contains(dll), qPrintable(dll));
}

// The three images of the design, and 48 x 48 and 256 x 256 in 32-bit colour for the sizes
// Explorer shows on screens of high resolution.
void tst_WindowsExecutable::carriesTheIcon() {
    QFile original(iconFile);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QList<IconImage> expected = iconImages(original.readAll());
    const QList<IconImage> carried =
        iconImages(windowsResource(program, QStringLiteral("14"), false));
    const QList<QList<int>> kinds = {
        {32, 32, 2, 1}, {32, 32, 16, 4}, {16, 16, 16, 4}, {48, 48, 0, 32}, {256, 256, 0, 32}};
    QCOMPARE(carried.size(), kinds.size());
    QCOMPARE(expected.size(), kinds.size());
    for (int i = 0; i < kinds.size(); ++i) {
        const IconImage &image = carried[i];
        QCOMPARE((QList<int>{image.width, image.height, image.colours, image.bitsPerPixel}),
                 kinds[i]);
        QVERIFY(image == expected[i]);
    }
}

void tst_WindowsExecutable::carriesItsManifest_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("per-monitor DPI awareness")
        << "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
           "PerMonitorV2</dpiAwareness>";
    QTest::newRow("current common controls")
        << "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"";
    QTest::newRow("Windows 10 and 11") << "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}";
}

void tst_WindowsExecutable::carriesItsManifest() {
    QFETCH(QString, text);
    const QString manifest =
        QString::fromUtf8(windowsResource(program, QStringLiteral("24"), true));
    QVERIFY2(manifest.simplified().contains(text), qPrintable(manifest));
}

void tst_WindowsExecutable::carriesTheVersionRecord_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("file version") << "FileVersion"
                                  << "1.00";
    QTest::newRow("product version") << "ProductVersion"
                                     << "1.00";
    QTest::newRow("product name") << "ProductName"
                                  << "Kymora";
    QTest::newRow("description") << "FileDescription"
                                 << "Kymora";
    QTest::newRow("internal name") << "InternalName"
                                   << "kymora";
    QTest::newRow("original file name") << "OriginalFilename"
                                        << "kymora.exe";
}

void tst_WindowsExecutable::carriesTheVersionRecord() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QMap<QString, QString> strings = versionStrings(program);
    QCOMPARE(strings.value(key), value);
    // In the table for US English, in Unicode.
    QVERIFY(strings.contains(QStringLiteral("040904B0")));
}

QTEST_APPLESS_MAIN(tst_WindowsExecutable)
#include "tst_windowsexecutable.moc"
