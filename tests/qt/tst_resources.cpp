#include "qt/ApplicationInfo.h"
#include "qt/FormWindow.h"

#include <QApplication>
#include <QImageReader>
#include <QTest>

// The program's icon and version, as the window and the application show them.
class tst_Resources : public QObject {
    Q_OBJECT

private slots:
    void applicationNameAndVersion();
    void windowShowsTheIcon();
    void iconFileHasThreeImages();
};

void tst_Resources::applicationNameAndVersion() {
    describeApplication();
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Kymora"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
}

void tst_Resources::windowShowsTheIcon() {
    FormWindow window;
    const QIcon icon = window.windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), QList<QSize>({QSize(16, 16), QSize(32, 32)}));
}

void tst_Resources::iconFileHasThreeImages() {
    QImageReader reader(QStringLiteral(KYMORA_ICON_FILE));
    QCOMPARE(reader.imageCount(), 3);
    const QList<QSize> sizes = {{32, 32}, {32, 32}, {16, 16}};
    const QList<int> colours = {2, 16, 16};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QCOMPARE(image.size(), sizes[i]);
        QSet<QRgb> used;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                used.insert(image.pixel(x, y));
        QVERIFY(used.size() <= colours[i]);
        QVERIFY(used.size() >= 2);
    }
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
