#include "FormControls.h"
#include "qt/FormWindow.h"
#include "qt/PictureSurface.h"

#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QWindow>

// A run on a screen at a device pixel ratio of 2 (a laptop, beside a projector at 1): the picture
// is held at device resolution, while the run still works in logical pixels; moved to the other
// screen, the picture is drawn anew at its ratio.
class tst_HiDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pictureIsHeldAtDeviceResolution();
    void runDrawsAtDeviceResolution();
    void drawsAnewOnAScreenOfAnotherRatio();
};

void tst_HiDpi::initTestCase() {
    QCOMPARE(QGuiApplication::screens().size(), 2);
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
}

void tst_HiDpi::pictureIsHeldAtDeviceResolution() {
    FormWindow window;
    const QImage &picture = window.clientArea()->picture();
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.size(), QSize(1600, 1170));
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(800, 585));
}

void tst_HiDpi::runDrawsAtDeviceResolution() {
    FormWindow window;
    const Controls ui(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PictureSurface *surface = window.clientArea();
    surface->setScaleMode(ScaleMode::pixels);
    for (int y = 70; y <= 590; ++y)
        surface->line(0, float(y), 800, float(y), 0x0000FF);
    ui.nSpomaleni->setText(QStringLiteral("0"));
    window.form().cmdStart_Click();
    const QImage &picture = surface->picture();
    const QRgb background = qRgb(0xC0, 0xC0, 0xC0);
    const QRgb marker = qRgb(0xFF, 0, 0);

    // The band: logical rows 81 to 580 are device rows 162 to 1161.
    QCOMPARE(picture.pixel(800, 162), background);
    QCOMPARE(picture.pixel(800, 1161), background);
    QCOMPARE(picture.pixel(800, 161), marker);
    QCOMPARE(picture.pixel(800, 1162), marker);

    // A one-pixel line is two device pixels wide: the horizontal axis of the graph, y 515.
    QCOMPARE(picture.pixel(400, 1030), qRgb(0, 0, 0));
    QCOMPARE(picture.pixel(400, 1031), qRgb(0, 0, 0));
    QCOMPARE(picture.pixel(400, 1029), background);
    QCOMPARE(picture.pixel(400, 1032), background);

    // Drawn at device resolution, not enlarged: along the rays some 2 x 2 blocks of device
    // pixels are not of one colour.
    int mixedBlocks = 0;
    for (int y = 300; y < 700; y += 2)
        for (int x = 100; x < 600; x += 2) {
            const QRgb p = picture.pixel(x, y);
            if (picture.pixel(x + 1, y) != p || picture.pixel(x, y + 1) != p ||
                picture.pixel(x + 1, y + 1) != p)
                ++mixedBlocks;
        }
    QVERIFY(mixedBlocks > 100);

    // The window shows it at device resolution too.
    const QImage shown = window.clientArea()->grab(QRect(0, 0, 800, 585)).toImage();
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    QCOMPARE(shown.pixel(400, 1030), qRgb(0, 0, 0));

    // And so does a repaint of a part of it that does not start at the corner: each of its
    // device pixels is the picture's at the same place.
    const QRect part(300, 200, 240, 160);
    const QImage repainted = window.clientArea()->grab(part).toImage();
    const QImage expected = picture.copy(QRect(part.topLeft() * 2, part.size() * 2));
    QCOMPARE(repainted.size(), expected.size());
    QCOMPARE(repainted.convertToFormat(QImage::Format_RGB32),
             expected.convertToFormat(QImage::Format_RGB32));
}

// Drawn anew, not stretched: at 1 a thin line is one pixel again, and back at 2 the picture is
// the one the run drew there, pixel for pixel.
void tst_HiDpi::drawsAnewOnAScreenOfAnotherRatio() {
    FormWindow window;
    const Controls ui(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ui.nSpomaleni->setText(QStringLiteral("0"));
    window.form().cmdStart_Click();
    const QImage &picture = window.clientArea()->picture();
    const QImage drawnAtTwo = picture.copy();
    QScreen *laptop = QGuiApplication::screens().at(0);
    QScreen *projector = QGuiApplication::screens().at(1);

    window.windowHandle()->setScreen(projector);
    QTRY_COMPARE(picture.devicePixelRatio(), 1.0);
    QCOMPARE(picture.size(), QSize(800, 585));
    const QRgb background = qRgb(0xC0, 0xC0, 0xC0);
    QCOMPARE(picture.pixel(400, 514), background); // the graph's axis, y 515
    QCOMPARE(picture.pixel(400, 515), qRgb(0, 0, 0));
    QCOMPARE(picture.pixel(400, 516), background);

    window.windowHandle()->setScreen(laptop);
    QTRY_COMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture, drawnAtTwo);
}

QTEST_MAIN(tst_HiDpi)
#include "tst_hidpi.moc"
