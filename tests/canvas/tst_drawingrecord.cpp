#include "canvas/DrawingRecord.h"

#include <QTest>

namespace {

PenState pixelPen(int width) {
    PenState pen;
    pen.scaleMode = ScaleMode::pixels;
    pen.drawWidth = width;
    return pen;
}

} // namespace

class tst_DrawingRecord : public QObject {
    Q_OBJECT

private slots:
    void aBandForgetsWhatItCovers_data();
    void aBandForgetsWhatItCovers();
};

void tst_DrawingRecord::aBandForgetsWhatItCovers_data() {
    QTest::addColumn<int>("kind"); // 0 line, 1 circle, 2 caption
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("kept");
    QTest::newRow("a ray inside") << 0 << 300 << 350 << false;
    QTest::newRow("a thick line reaching out of the area") << 0 << 795 << 350 << true;
    QTest::newRow("the source's disc") << 1 << 50 << 150 << false;
    QTest::newRow("the heading, above the area") << 2 << 312 << 8 << true;
    QTest::newRow("a result caption inside") << 2 << 60 << 130 << false;
}

// What lies wholly inside the drawing area is forgotten when a band begins; the rest, and the
// band itself, stay.
void tst_DrawingRecord::aBandForgetsWhatItCovers() {
    QFETCH(int, kind);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, kept);
    DrawingRecord record;
    const PenState thick = pixelPen(4);
    if (kind == 0)
        record.add(Drawing::ofLine(thick, float(x - 100), float(y), float(x), float(y), {}));
    else if (kind == 1)
        record.add(Drawing::ofCircle(thick, float(x), float(y), 5, colour::darkGrey));
    else
        record.add(Drawing::ofCaption(thick, Caption::labZdroj, {x, y, 89, 25}));
    const Drawing band = Drawing::ofLine(pixelPen(1), 5, 580, 795, 580, colour::lightGrey);
    record.add(band);
    QCOMPARE(int(record.drawings().size()), kept ? 2 : 1);
    QCOMPARE(record.drawings().back().y1, 580.0f);
}

QTEST_APPLESS_MAIN(tst_DrawingRecord)
#include "tst_drawingrecord.moc"
