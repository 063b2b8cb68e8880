#include "qt/PictureSurface.h"
#include "qt/WindowPacer.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTest>

namespace {

const QSize pictureSize(800, 585);
const QRgb background = qRgb(0xC0, 0xC0, 0xC0);
const QRgb red = qRgb(0xFF, 0, 0);

QRgb pixel(const PictureSurface &surface, int x, int y) {
    return surface.picture().pixel(x, y);
}

// Collects the areas of the paint events a widget receives.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(QWidget *widget) { widget->installEventFilter(this); }
    QList<QRect> areas;
    QRegion region; // everything painted

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            areas.append(static_cast<QPaintEvent *>(event)->rect());
            region += static_cast<QPaintEvent *>(event)->region();
        }
        return false;
    }
};

} // namespace

class tst_PictureSurface : public QObject {
    Q_OBJECT

private slots:
    void drawsLinesOnExactPixels_data();
    void drawsLinesOnExactPixels();
    void thinAxisLinesPaintWhatTheGeneralLineDoes_data();
    void thinAxisLinesPaintWhatTheGeneralLineDoes();
    void aLineToItsOwnStartPaintsOnePixel();
    void drawsInTheForegroundColourWhenNoneIsGiven();
    void fillsCirclesOnlyWhenTheFillIsSolid_data();
    void fillsCirclesOnlyWhenTheFillIsSolid();
    void convertsTwipsToPixels();
    void keepsThePenBetweenCalls();
    void showsWhatWasDrawnAtTheNextPauseInItsOwnArea();
    void keepsThePictureWhenHiddenAndShown();
    void keepsThePictureWhenTheWindowGrows_data();
    void keepsThePictureWhenTheWindowGrows();
    void paintsACaptionWhenShownAndMoved();
};

void tst_PictureSurface::drawsLinesOnExactPixels_data() {
    QTest::addColumn<int>("y");
    QTest::newRow("bottom row of the band") << 580;
    QTest::newRow("top row of the band") << 81;
}

void tst_PictureSurface::drawsLinesOnExactPixels() {
    QFETCH(int, y);
    PictureSurface surface(pictureSize);
    surface.setScaleMode(ScaleMode::pixels);
    surface.setDrawWidth(1);
    surface.line(5, float(y), 795, float(y), colour::black);
    QCOMPARE(pixel(surface, 5, y), qRgb(0, 0, 0));
    QCOMPARE(pixel(surface, 795, y), qRgb(0, 0, 0));
    QCOMPARE(pixel(surface, 4, y), background);
    QCOMPARE(pixel(surface, 796, y), background);
    QCOMPARE(pixel(surface, 400, y - 1), background);
    QCOMPARE(pixel(surface, 400, y + 1), background);
}

void tst_PictureSurface::thinAxisLinesPaintWhatTheGeneralLineDoes_data() {
    QTest::addColumn<QLineF>("line");
    QTest::newRow("band row") << QLineF(5, 580, 795, 580);
    QTest::newRow("right to left") << QLineF(795, 81, 5, 81);
    QTest::newRow("graph axis, vertical") << QLineF(64, 400, 64, 515);
    QTest::newRow("bottom to top") << QLineF(64, 515, 64, 400);
    QTest::newRow("between pixels") << QLineF(10.5, 40, 100.5, 40);
}

void tst_PictureSurface::thinAxisLinesPaintWhatTheGeneralLineDoes() {
    QFETCH(QLineF, line);
    PictureSurface surface(pictureSize);
    surface.setScaleMode(ScaleMode::pixels);
    surface.setDrawWidth(1);
    QImage expected = surface.picture().copy();
    surface.line(float(line.x1()), float(line.y1()), float(line.x2()), float(line.y2()), 0x0000FF);

    QPainter painter(&expected);
    painter.setPen(QPen(Qt::red, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Whole coordinates at the centres of pixels.
    painter.translate(0.5, 0.5);
    painter.drawLine(line);
    painter.end();
    QCOMPARE(surface.picture(), expected);
}

// A line from a point to itself paints that point's pixel, and nothing around it.
void tst_PictureSurface::aLineToItsOwnStartPaintsOnePixel() {
    PictureSurface surface(pictureSize);
    surface.setScaleMode(ScaleMode::pixels);
    surface.setDrawWidth(1);
    surface.line(30, 30, 30, 30, colour::black);
    QCOMPARE(pixel(surface, 30, 30), qRgb(0, 0, 0));
    for (const QPoint &around :
         {QPoint(29, 30), QPoint(31, 30), QPoint(30, 29), QPoint(30, 31), QPoint(31, 31)})
        QCOMPARE(pixel(surface, around.x(), around.y()), background);
}

void tst_PictureSurface::drawsInTheForegroundColourWhenNoneIsGiven() {
    PictureSurface surface(pictureSize);
    surface.setScaleMode(ScaleMode::pixels);
    surface.line(10, 10, 100, 10, std::nullopt);
    QCOMPARE(QColor(pixel(surface, 50, 10)),
             QGuiApplication::palette().color(QPalette::ButtonText));
    surface.line(10, 20, 100, 20, 0x0000FF); // red is the low byte
    QCOMPARE(pixel(surface, 50, 20), red);
}

void tst_PictureSurface::fillsCirclesOnlyWhenTheFillIsSolid_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QRgb>("inside");
    QTest::newRow("solid") << int(FillStyle::solid) << qRgb(0xFF, 0xFF, 0xFF);
    QTest::newRow("transparent") << int(FillStyle::transparent) << background;
}

void tst_PictureSurface::fillsCirclesOnlyWhenTheFillIsSolid() {
    QFETCH(int, style);
    QFETCH(QRgb, inside);
    PictureSurface surface(pictureSize);
    surface.setScaleMode(ScaleMode::pixels);
    surface.setDrawWidth(2);
    surface.setFillColor(colour::white);
    surface.setFillStyle(FillStyle(style));
    surface.circle(100, 100, 10, colour::darkGrey);
    QCOMPARE(pixel(surface, 100, 100), inside);
    QCOMPARE(pixel(surface, 110, 100), qRgb(0x40, 0x40, 0x40));
    QCOMPARE(pixel(surface, 100, 90), qRgb(0x40, 0x40, 0x40));
    QCOMPARE(pixel(surface, 114, 100), background);
}

void tst_PictureSurface::convertsTwipsToPixels() {
    PictureSurface surface(pictureSize);
    QCOMPARE(surface.pen().scaleMode, ScaleMode::twips);
    surface.line(150, 1500, 1500, 1500, colour::black); // 10..100 at row 100
    QCOMPARE(pixel(surface, 10, 100), qRgb(0, 0, 0));
    QCOMPARE(pixel(surface, 100, 100), qRgb(0, 0, 0));
    QCOMPARE(pixel(surface, 101, 100), background);
}

void tst_PictureSurface::keepsThePenBetweenCalls() {
    PictureSurface surface(pictureSize);
    surface.setScaleMode(ScaleMode::pixels);
    surface.setDrawWidth(4);
    surface.setFillColor(colour::white);
    surface.setFillStyle(FillStyle::solid);
    surface.line(10, 10, 20, 10, std::nullopt);
    surface.circle(50, 50, 5, colour::darkGrey);
    const PenState expected{ScaleMode::pixels, 4, colour::white, FillStyle::solid,
                            colour::buttonText};
    QVERIFY(surface.pen() == expected);
}

void tst_PictureSurface::showsWhatWasDrawnAtTheNextPauseInItsOwnArea() {
    PictureSurface surface(pictureSize);
    surface.show();
    QVERIFY(QTest::qWaitForWindowExposed(&surface));
    WindowPacer().handleWindowSystemEvents();
    surface.setScaleMode(ScaleMode::pixels);
    PaintSpy spy(&surface);

    // Gathered while the run draws, painted when it pauses, and only around what was drawn.
    surface.line(5, 300, 795, 300, colour::black);
    surface.circle(400, 400, 10, colour::darkGrey);
    QVERIFY(spy.areas.isEmpty());
    WindowPacer().handleWindowSystemEvents();
    QCOMPARE(spy.areas.size(), 1);
    QVERIFY(spy.region.contains(QRect(5, 300, 791, 1)));
    QVERIFY(spy.region.contains(QRect(390, 390, 21, 21)));
    QVERIFY(spy.region.boundingRect().height() <= 130);
    QVERIFY(spy.region.rectCount() >= 2);
}

void tst_PictureSurface::keepsThePictureWhenHiddenAndShown() {
    PictureSurface surface(pictureSize);
    surface.show();
    QVERIFY(QTest::qWaitForWindowExposed(&surface));
    surface.setScaleMode(ScaleMode::pixels);
    surface.setDrawWidth(4);
    surface.line(100, 100, 300, 200, 0x0000FF);
    const QImage before = surface.grab().toImage();

    surface.hide();
    surface.show();
    QVERIFY(QTest::qWaitForWindowExposed(&surface));
    surface.repaint();
    QCOMPARE(surface.grab().toImage(), before);
    QCOMPARE(before.pixel(200, 150), red);
}

void tst_PictureSurface::keepsThePictureWhenTheWindowGrows_data() {
    QTest::addColumn<QSize>("grown");
    QTest::newRow("wider") << QSize(1000, 585);
    QTest::newRow("taller") << QSize(800, 700);
    QTest::newRow("both") << QSize(1000, 700);
}

// The picture grows with the window, in either direction alone too: what was drawn stays, the
// new part shows the background, and drawings there are kept.
void tst_PictureSurface::keepsThePictureWhenTheWindowGrows() {
    QFETCH(QSize, grown);
    PictureSurface surface(pictureSize);
    surface.setScaleMode(ScaleMode::pixels);
    surface.line(10, 10, 790, 10, 0x0000FF);
    surface.show();
    QVERIFY(QTest::qWaitForWindowExposed(&surface));
    surface.resize(grown);
    QCOMPARE(surface.picture().deviceIndependentSize().toSize(), grown);
    QCOMPARE(pixel(surface, 500, 10), red);
    const QPoint newCorner(grown.width() - 5, grown.height() - 5);
    QCOMPARE(pixel(surface, newCorner.x(), newCorner.y()), background);
    surface.line(0, float(newCorner.y()), float(grown.width()), float(newCorner.y()), 0x0000FF);
    QCOMPARE(surface.grab().toImage().pixel(newCorner), red);
}

// A caption is painted opaque in the background colour, with its text; later drawing covers it.
void tst_PictureSurface::paintsACaptionWhenShownAndMoved() {
    PictureSurface surface(pictureSize);
    surface.setScaleMode(ScaleMode::pixels);
    surface.setDrawWidth(1);
    for (int y = 100; y < 200; ++y)
        surface.line(0, float(y), 400, float(y), 0x0000FF);
    surface.setCaptionLeft(Caption::labZdroj, 60);
    surface.setCaptionTop(Caption::labZdroj, 130);
    QCOMPARE(pixel(surface, 60, 130), red); // hidden: nothing painted

    surface.showCaption(Caption::labZdroj);
    QCOMPARE(pixel(surface, 60, 130), background);
    QCOMPARE(pixel(surface, 148, 154), background);
    QCOMPARE(pixel(surface, 149, 155), red);
    const QImage area = surface.picture().copy(60, 130, 89, 25);
    bool hasText = false;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            hasText = hasText || area.pixel(x, y) == qRgb(0, 0, 0);
    QVERIFY(hasText);

    for (int y = 130; y < 155; ++y)
        surface.line(60, float(y), 148, float(y), 0x0000FF);
    QCOMPARE(surface.picture().copy(60, 130, 89, 25).pixel(40, 12), red);
}

QTEST_MAIN(tst_PictureSurface)
#include "tst_picturesurface.moc"
