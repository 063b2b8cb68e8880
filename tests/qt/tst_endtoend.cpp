#include "FakeSettings.h"
#include "FormControls.h"
#include "ForwardingCanvas.h"
#include "RecordingCanvas.h"
#include "VirtualPacer.h"
#include "WindowActions.h"
#include "demo/DemonstrationRun.h"
#include "qt/ControlFonts.h"
#include "qt/FormWindow.h"
#include "qt/PictureSurface.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QRgb background = qRgb(0xC0, 0xC0, 0xC0);
const QRgb green = qRgb(0, 0xFF, 0);
const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
const QRgb black = qRgb(0, 0, 0);

QList<const CaptionState *> placedCaptions(const Controls &ui) {
    return {ui.labRadiusvektory, ui.labCas,   ui.labDobaLetu,
            ui.labSoucet,        ui.labZdroj, ui.labDetektor};
}

// A canvas that draws on the window's surface and looks at the captions when the resultant
// is drawn, near the end of a run.
class ProbeCanvas : public ForwardingCanvas {
public:
    explicit ProbeCanvas(FormWindow &window)
        : ForwardingCanvas(*window.clientArea()), ui_(window) {}

    QList<QRect> captionsAtResultant;

    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override {
        if (colour == colour::green)
            captionsAtResultant = {toQRect(ui_.labSoucet->place), toQRect(ui_.labDetektor->place)};
        ForwardingCanvas::line(x1, y1, x2, y2, colour);
    }

private:
    const Controls ui_;
};

} // namespace

class tst_EndToEnd : public QObject {
    Q_OBJECT

private slots:
    void finishedPicture_data();
    void finishedPicture();
    void captionsMoveOnlyAtTheEndOfARun();
    void runAfterARunPaintsOnlyInsideTheBand();
};

void tst_EndToEnd::finishedPicture_data() {
    QTest::addColumn<bool>("near");
    QTest::addColumn<bool>("ordinary");
    QTest::addColumn<bool>("frequencyOne");
    QTest::addColumn<bool>("byKeyboard");
    for (const bool near : {false, true})
        for (const bool ordinary : {false, true})
            for (const bool one : {false, true})
                QTest::addRow("%s, %s, %d", near ? "near" : "far",
                              ordinary ? "ordinary" : "grating", one ? 1 : 2)
                    << near << ordinary << one << (near == one);
}

// The window shows what the core drew for the settings clicked.
void tst_EndToEnd::finishedPicture() {
    QFETCH(bool, near);
    QFETCH(bool, ordinary);
    QFETCH(bool, frequencyOne);
    QFETCH(bool, byKeyboard);
    VirtualPacer corePacer;
    FakeSettings coreSettings(near ? "170" : "0", "0", ordinary ? "1" : "2",
                              frequencyOne ? "1" : "2");
    RecordingCanvas core;
    runDemonstration(core, coreSettings, corePacer);
    const RecordingCanvas::Operation resultant = core.ofKind(RecordingCanvas::Kind::line).back();
    const QPointF start(resultant.x1, resultant.y1);
    const QPointF chainEnd(resultant.x2, resultant.y2);
    FormWindow window;
    const Controls ui(window);
    showAndActivate(window);
    clickOption(near ? ui.opBlízko : ui.opDaleko);
    clickOption(ordinary ? ui.opNe : ui.opAno);
    clickOption(frequencyOne ? ui.op1 : ui.op2);
    if (byKeyboard) {
        ui.cmdStart->setFocus();
        QTest::keyClick(ui.cmdStart, Qt::Key_Return);
    } else {
        QTest::mouseClick(ui.cmdStart, Qt::LeftButton);
    }
    const QImage &picture = window.clientArea()->picture();

    // Green along the resultant.
    for (qreal t : {0.3, 0.5, 0.7}) {
        const QPoint at = (start + (chainEnd - start) * t).toPoint();
        QCOMPARE(picture.pixel(at), green);
    }

    // The white mark on the detector, for the grating at frequency 2 only.
    const int detectorX = near ? 220 : 50;
    const bool lit = !ordinary && !frequencyOne;
    QCOMPARE(picture.pixel(detectorX - 7, 300) == white, lit);
    QCOMPARE(picture.pixel(detectorX - 7, 300) == background, !lit);

    // The six captions, each its text in its font, black on the background, where it stands.
    for (const CaptionState *caption : placedCaptions(ui)) {
        QVERIFY(caption->visible);
        const QRect area = toQRect(window.clientArea()->captions().area(caption->id));
        QImage expected(area.size(), picture.format());
        expected.setDotsPerMeterX(picture.dotsPerMeterX());
        expected.setDotsPerMeterY(picture.dotsPerMeterY());
        expected.fill(background);
        QPainter painter(&expected);
        painter.setFont(controlFont(caption->font));
        painter.setPen(QColor(black));
        const Qt::Alignment alignment =
            caption->alignment == TextAlignment::centred ? Qt::AlignHCenter : Qt::AlignLeft;
        painter.drawText(QRect(QPoint(0, 0), area.size()), alignment | Qt::TextWordWrap,
                         QString::fromUtf8(caption->text.data()));
        painter.end();
        QVERIFY2(picture.copy(area) == expected, captionName(caption->id).data());
    }

    // The photon vectors' caption wraps to more lines than its rectangle holds: it is painted
    // taller, its last line below the rectangle.
    const QRect photons = toQRect(ui.labRadiusvektory->place);
    const QFontMetrics metrics(controlFont(ui.labRadiusvektory->font), &picture);
    const QRect wrapped = metrics.boundingRect(QRect(QPoint(0, 0), photons.size()),
                                               Qt::AlignHCenter | Qt::TextWordWrap,
                                               QString::fromUtf8(ui.labRadiusvektory->text.data()));
    QVERIFY(wrapped.height() > photons.height());
    const QRect painted = toQRect(window.clientArea()->captions().area(Caption::labRadiusvektory));
    QVERIFY(painted.height() >= wrapped.height());
}

void tst_EndToEnd::captionsMoveOnlyAtTheEndOfARun() {
    FormWindow window;
    const Controls ui(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(ui.cmdStart, Qt::LeftButton); // far
    const QRect farSoucet = toQRect(ui.labSoucet->place);
    const QRect farDetektor = toQRect(ui.labDetektor->place);

    ProbeCanvas probe(window);
    VirtualPacer pacer;
    runDemonstration(probe, FakeSettings("170", "0"), pacer);
    QCOMPARE(probe.captionsAtResultant, QList<QRect>({farSoucet, farDetektor}));
    QCOMPARE(toQRect(ui.labSoucet->place).topLeft(), QPoint(550, 130));
    QCOMPARE(toQRect(ui.labDetektor->place).topLeft(), QPoint(140, 275));
}

void tst_EndToEnd::runAfterARunPaintsOnlyInsideTheBand() {
    FormWindow twice;
    const Controls twiceUi(twice);
    twice.show();
    QVERIFY(QTest::qWaitForWindowExposed(&twice));
    clickOption(twiceUi.opBlízko);
    clickOption(twiceUi.opNe);
    clickOption(twiceUi.op1);
    QTest::mouseClick(twiceUi.cmdStart, Qt::LeftButton);
    const QImage afterFirst = twice.clientArea()->picture();
    clickOption(twiceUi.opDaleko);
    clickOption(twiceUi.opAno);
    clickOption(twiceUi.op2);
    QTest::mouseClick(twiceUi.cmdStart, Qt::LeftButton);

    FormWindow once; // far, grating, 2 from the start
    const Controls onceUi(once);
    once.show();
    QVERIFY(QTest::qWaitForWindowExposed(&once));
    QTest::mouseClick(onceUi.cmdStart, Qt::LeftButton);

    const QImage &second = twice.clientArea()->picture();
    const QRect &band = drawingArea;
    QCOMPARE(second.copy(band), once.clientArea()->picture().copy(band));
    for (int y = 0; y < second.height(); ++y)
        for (int x = 0; x < second.width(); ++x)
            if (!band.contains(x, y) && second.pixel(x, y) != afterFirst.pixel(x, y))
                QFAIL(qPrintable(
                    QStringLiteral("pixel %1, %2 outside the band changed").arg(x).arg(y)));
}

QTEST_MAIN(tst_EndToEnd)
#include "tst_endtoend.moc"
