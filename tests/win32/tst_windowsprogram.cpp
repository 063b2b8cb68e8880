#include "FakeSettings.h"
#include "FormControls.h"
#include "RecordingCanvas.h"
#include "VirtualPacer.h"
#include "WineProgram.h"
#include "XClient.h"
#include "demo/DemonstrationRun.h"
#include "design/WindowDesign.h"
#include "qt/FormWindow.h"
#include "qt/PictureSurface.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <memory>

// The Windows program under Wine on a real X server, driven with xdotool as a person would
// drive it, and its pictures set beside the Qt program's.

namespace {

using Kind = RecordingCanvas::Kind;
using Operation = RecordingCanvas::Operation;

const QString program = QStringLiteral(KYMORA_WINDOWS_PROGRAM);
const QString prefix = QStringLiteral(KYMORA_WINE_PREFIX);
const QString prefixAt144Dpi = QStringLiteral(KYMORA_WINE_PREFIX_144);

// The drawing area, where the run paints its band.
const QRect drawingArea(5, 81, 791, 500);

// A control's place in the client area, in design pixels; option buttons lie within their frame.
QRect placeOf(std::string_view name) {
    const PixelRect place = placeInClientArea(*findControl(name));
    return QRect(place.left, place.top, place.width, place.height);
}

QPoint scaled(QPointF point, double scale) {
    return QPoint(int(std::lround(point.x() * scale)), int(std::lround(point.y() * scale)));
}

// Where a person clicks an option button: on its round mark, at its left.
QPoint optionMark(std::string_view name) {
    const QRect place = placeOf(name);
    return QPoint(place.left() + 6, place.center().y());
}

bool isDark(QRgb pixel) {
    return qRed(pixel) < 96 && qGreen(pixel) < 96 && qBlue(pixel) < 96;
}

bool isGreen(QRgb pixel) {
    return qGreen(pixel) > 200 && qRed(pixel) < 80 && qBlue(pixel) < 80;
}

bool isNotBackground(QRgb pixel) {
    return (pixel & 0xFFFFFF) != 0xC0C0C0;
}

bool isWhite(QRgb pixel) {
    return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
}

int countOf(const QImage &image, const QRect &area, bool (*test)(QRgb)) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

bool hasGreenNear(const QImage &image, QPoint point) {
    return countOf(image, QRect(point - QPoint(2, 2), QSize(5, 5)), isGreen) > 0;
}

// The settings of a run, by the option buttons that choose them.
struct Combination {
    const char *near;      // "opDaleko" or "opBlízko"
    const char *mirror;    // "opAno" or "opNe"
    const char *frequency; // "op1" or "op2"

    FakeSettings settings() const {
        return FakeSettings(std::string_view(near) == "opBlízko" ? "170" : "0", "1",
                            std::string_view(mirror) == "opNe" ? "1" : "2",
                            std::string_view(frequency) == "op1" ? "1" : "2");
    }
};

// What a run with these settings draws, and where.
struct Expected {
    QLineF resultant;
    QPointF detector;
    bool lit = false;
    float mirrorY = 0;
    bool strip12 = false;
    QList<QPair<Caption, QPoint>> captions; // each caption shown, at its place
};

constexpr float stripPenWidth = 4;
constexpr float detectorRadius = 5;
constexpr int strip12Left = 24 * 12 + 40;

Expected expectedPicture(const Combination &combination) {
    RecordingCanvas canvas;
    VirtualPacer pacer;
    FakeSettings settings = combination.settings();
    runDemonstration(canvas, settings, pacer);
    Expected expected;
    std::map<Caption, QPoint> places;
    for (const Operation &op : canvas.operations) {
        if (op.kind == Kind::line && op.colour == std::optional<Colour>(colour::green))
            expected.resultant = QLineF(op.x1, op.y1, op.x2, op.y2);
        if (op.kind == Kind::line && op.pen.drawWidth == stripPenWidth) {
            expected.mirrorY = op.y1;
            expected.strip12 = expected.strip12 || op.x1 == strip12Left;
        }
        if (op.kind == Kind::circle && op.pen.fillColor == colour::white &&
            op.pen.fillStyle == FillStyle::solid && op.x2 == 10) {
            expected.lit = true;
        }
        if (op.kind == Kind::circle && op.pen.fillColor == colour::lightGrey &&
            op.pen.fillStyle == FillStyle::solid && op.x2 == detectorRadius &&
            expected.detector.isNull())
            expected.detector = QPointF(op.x1, op.y1);
        if (op.kind == Kind::captionLeft)
            places[op.caption].setX(int(op.position));
        if (op.kind == Kind::captionTop)
            places[op.caption].setY(int(op.position));
        if (op.kind == Kind::showCaption)
            expected.captions.append({op.caption, places[op.caption]});
    }
    return expected;
}

// The Qt program's finished picture for the same settings, with the areas its captions cover.
struct QtPicture {
    QImage picture;
    QList<QRect> captionAreas;
};

QtPicture qtPicture(const Combination &combination) {
    FormWindow window;
    const Controls ui(window);
    window.findChild<QRadioButton *>(QString::fromUtf8(combination.near))->setChecked(true);
    window.findChild<QRadioButton *>(QString::fromUtf8(combination.mirror))->setChecked(true);
    window.findChild<QRadioButton *>(QString::fromUtf8(combination.frequency))->setChecked(true);
    VirtualPacer pacer;
    window.form().waitThrough(pacer);
    window.form().cmdStart_Click();
    QtPicture result{window.clientArea()->picture().convertToFormat(QImage::Format_RGB32), {}};
    CaptionBoard &captions = window.clientArea()->captions();
    for (int id = 0; id < captionCount; ++id)
        if (captions[Caption(id)].visible)
            result.captionAreas.append(toQRect(captions.area(Caption(id))));
    return result;
}

// The share of the drawing area's pixels, text left out, in which the two pictures differ.
double differingShare(const QImage &a, const QImage &b, const QList<QRect> &text) {
    int compared = 0;
    int differing = 0;
    for (int y = drawingArea.top(); y <= drawingArea.bottom(); ++y)
        for (int x = drawingArea.left(); x <= drawingArea.right(); ++x) {
            const QPoint point(x, y);
            const bool isText = std::any_of(text.begin(), text.end(), [point](const QRect &area) {
                return area.adjusted(-4, -4, 4, 4).contains(point);
            });
            if (isText)
                continue;
            ++compared;
            differing += a.pixel(point) != b.pixel(point) ? 1 : 0;
        }
    return double(differing) / compared;
}

// A point on strip 12 of the mirror, right of where the rays meet it.
QPoint onStrip12(const Expected &expected) {
    return QPoint(strip12Left + 18, int(expected.mirrorY));
}

// How thick the dark line through a point is, along its column.
int thicknessAt(const QImage &image, QPoint point) {
    int top = point.y();
    while (top > 0 && isDark(image.pixel(point.x(), top - 1)))
        --top;
    int bottom = point.y();
    while (bottom + 1 < image.height() && isDark(image.pixel(point.x(), bottom + 1)))
        ++bottom;
    return isDark(image.pixel(point)) ? bottom - top + 1 : 0;
}

} // namespace

class tst_WindowsProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void opensTheWindowWithItsControls();
    void drawsEachCombinationAsTheQtProgramDoes_data();
    void drawsEachCombinationAsTheQtProgramDoes();
    void enterAndSpaceOnStartStartARun();
    void arrowKeysMoveWithinAnOptionGroup();
    void inputDuringARunWaitsForItsEnd();
    void keepsThePictureAfterAnUnmapAndMap();
    void exitEndsWithZero();
    void closeRequestEndsWithZero();
    void drawsScaledAt144Dpi();

private:
    void runAndWait(const std::function<void()> &start);
    QImage picture_;
    std::unique_ptr<WineProgram> wine_;
};

void tst_WindowsProgram::initTestCase() {
    QVERIFY2(QFileInfo::exists(program), qPrintable(program));
    wine_ = std::make_unique<WineProgram>(program, prefix);
    QVERIFY(wine_->hasWindow());
}

void tst_WindowsProgram::opensTheWindowWithItsControls() {
    QCOMPARE(wine_->title(), QStringLiteral("Kymora - " KYMORA_HOMEPAGE_URL));
    const ClientSize client = clientAreaSize();
    QCOMPARE(wine_->clientArea().size(), QSize(client.width, client.height));
    const QImage shown = wine_->grab();
    for (const ControlDesign &design : windowControls()) {
        if (!isShownAtStart(design))
            continue;
        const QRect place = placeOf(design.name);
        QRect marked = place; // where the control shows something
        if (design.kind == ControlKind::option)
            marked = QRect(place.left(), place.top(), 14, place.height()); // the round mark
        if (design.kind == ControlKind::frame)
            marked = QRect(place.left(), place.top(), place.width(), 16); // the caption
        QVERIFY2(countOf(shown, marked, isNotBackground) > 0, design.name.data());
    }
    // Focus on Start: the button shows its focus rectangle, which Exit does not.
    QVERIFY(countOf(shown, placeOf("cmdStart").adjusted(3, 3, -3, -3), isDark) >
            countOf(shown, placeOf("cndKonec").adjusted(3, 3, -3, -3), isDark) / 2);
}

void tst_WindowsProgram::drawsEachCombinationAsTheQtProgramDoes_data() {
    QTest::addColumn<QString>("near");
    QTest::addColumn<QString>("mirror");
    QTest::addColumn<QString>("frequency");
    for (const char *near : {"opDaleko", "opBlízko"})
        for (const char *mirror : {"opAno", "opNe"})
            for (const char *frequency : {"op1", "op2"})
                QTest::addRow("%s %s %s", near, mirror, frequency)
                    << QString::fromUtf8(near) << QString::fromUtf8(mirror)
                    << QString::fromUtf8(frequency);
}

void tst_WindowsProgram::runAndWait(const std::function<void()> &start) {
    start();
    // A run at the fastest speed takes less than half a second; then the picture is still.
    QTest::qWait(200);
    picture_ = wine_->waitUntilStill();
}

void tst_WindowsProgram::drawsEachCombinationAsTheQtProgramDoes() {
    QFETCH(QString, near);
    QFETCH(QString, mirror);
    QFETCH(QString, frequency);
    const QByteArray nearName = near.toUtf8();
    const QByteArray mirrorName = mirror.toUtf8();
    const QByteArray frequencyName = frequency.toUtf8();
    const Combination combination{nearName.constData(), mirrorName.constData(),
                                  frequencyName.constData()};
    for (const char *option : {combination.near, combination.mirror, combination.frequency})
        wine_->click(optionMark(option));
    runAndWait([this] { wine_->click(placeOf("cmdStart").center()); });

    const Expected expected = expectedPicture(combination);
    QVERIFY(hasGreenNear(picture_, expected.resultant.p1().toPoint()));
    QVERIFY(hasGreenNear(picture_, expected.resultant.p2().toPoint()));
    // Inside the detector's disc, left of where the rays meet it: white when it is lit.
    const QPoint inDetector = expected.detector.toPoint() - QPoint(3, 0);
    QCOMPARE(isWhite(picture_.pixel(inDetector)), expected.lit);
    QCOMPARE(isDark(picture_.pixel(onStrip12(expected))), expected.strip12);
    for (const auto &[caption, place] : expected.captions) {
        const QRect captionArea = placeOf(captionName(caption));
        QVERIFY2(countOf(picture_, QRect(place, captionArea.size()), isDark) > 20,
                 captionName(caption).data());
    }

    const QtPicture qt = qtPicture(combination);
    const double share = differingShare(picture_, qt.picture, qt.captionAreas);
    qInfo("%s: %.3f%% of the drawing area differs from the Qt program's", QTest::currentDataTag(),
          share * 100);
    QVERIFY(share < 0.01);
}

void tst_WindowsProgram::enterAndSpaceOnStartStartARun() {
    // The last run drew the near detector, ordinary mirror, frequency 2. Choose the grating and
    // go back to Start from its button: Shift+Tab to the frequency group, again to Start.
    wine_->click(optionMark("opAno"));
    wine_->pressKeys({QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab")});
    runAndWait([this] { wine_->pressKeys({QStringLiteral("Return")}); });
    const QPoint strip12 = onStrip12(expectedPicture({"opBlízko", "opAno", "op2"}));
    QVERIFY(!isDark(picture_.pixel(strip12)));

    // The ordinary mirror, then on from its button to Start: Tab to Exit... and round.
    wine_->click(optionMark("opNe"));
    wine_->pressKeys({QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab")});
    runAndWait([this] { wine_->pressKeys({QStringLiteral("space")}); });
    QVERIFY(isDark(picture_.pixel(strip12)));
}

void tst_WindowsProgram::arrowKeysMoveWithinAnOptionGroup() {
    wine_->click(optionMark("opAno"));
    wine_->pressKeys({QStringLiteral("Down")});
    QImage shown = wine_->waitUntilStill();
    QVERIFY(!isWhite(shown.pixel(optionMark("opNe"))));
    QVERIFY(isWhite(shown.pixel(optionMark("opAno"))));
    wine_->pressKeys({QStringLiteral("Up")});
    shown = wine_->waitUntilStill();
    QVERIFY(!isWhite(shown.pixel(optionMark("opAno"))));
    QVERIFY(isWhite(shown.pixel(optionMark("opNe"))));
}

void tst_WindowsProgram::inputDuringARunWaitsForItsEnd() {
    // The slowest speed: nineteen clicks on the scroll bar's right arrow.
    const QRect bar = placeOf("HScroll1");
    const QPoint rightArrow(bar.right() - bar.height() / 2, bar.center().y());
    const QPoint leftArrow(bar.left() + bar.height() / 2, bar.center().y());
    wine_->click(rightArrow, speedMaximum - speedMinimum);
    wine_->click(optionMark("opAno"));

    QElapsedTimer timer;
    timer.start();
    wine_->click(placeOf("cmdStart").center());
    QTest::qWait(1000);
    // During the run: the ordinary mirror is chosen, and a second client pings the window.
    wine_->click(optionMark("opNe"));
    XClient client;
    XClient::Probe probe = client.probeDuringRun(wine_->xWindow());
    const QImage duringRun = wine_->grab();
    picture_ = wine_->waitUntilStill();
    const qint64 runMs = timer.elapsed();
    QVERIFY(probe.get().pingAnswered);

    // The run had not ended after a second; it lasted its twenty pauses of 200 ms.
    const Expected grating = expectedPicture({"opBlízko", "opAno", "op2"});
    QVERIFY(!hasGreenNear(duringRun, grating.resultant.p2().toPoint()));
    QVERIFY2(runMs >= 4000, qPrintable(QString::number(runMs)));
    // It drew the grating it started with, to the lit detector at its end; the click on
    // Ordinary took effect afterwards.
    QVERIFY(hasGreenNear(picture_, grating.resultant.p2().toPoint()));
    QVERIFY(isWhite(picture_.pixel(grating.detector.toPoint() - QPoint(3, 0))));
    QVERIFY(!isDark(picture_.pixel(onStrip12(grating))));
    // The selected button's round mark has a dot in its middle; the other one's is white.
    QVERIFY(!isWhite(picture_.pixel(optionMark("opNe"))));
    QVERIFY(isWhite(picture_.pixel(optionMark("opAno"))));

    wine_->click(leftArrow, speedMaximum - speedMinimum);
}

void tst_WindowsProgram::keepsThePictureAfterAnUnmapAndMap() {
    const QImage before = wine_->grab();
    wine_->unmapAndMap();
    QCOMPARE(wine_->waitUntilStill(), before);
}

void tst_WindowsProgram::exitEndsWithZero() {
    wine_->click(placeOf("cndKonec").center());
    QCOMPARE(wine_->waitForExit(), 0);
}

void tst_WindowsProgram::closeRequestEndsWithZero() {
    WineProgram wine(program, prefix);
    QVERIFY(wine.hasWindow());
    XClient client;
    client.requestClose(wine.xWindow());
    QCOMPARE(wine.waitForExit(), 0);
}

void tst_WindowsProgram::drawsScaledAt144Dpi() {
    constexpr double scale = 1.5;
    WineProgram wine(program, prefixAt144Dpi);
    QVERIFY(wine.hasWindow());
    const ClientSize client = clientAreaSize();
    QCOMPARE(wine.clientArea().size(),
             QSize(client.width * 3 / 2, int(std::lround(client.height * scale))));
    wine.click(scaled(placeOf("cmdStart").center(), scale));
    QTest::qWait(200);
    const QImage picture = wine.waitUntilStill();

    const Expected expected = expectedPicture({"opDaleko", "opAno", "op2"});
    QVERIFY(hasGreenNear(picture, scaled(expected.resultant.p1(), scale)));
    QVERIFY(hasGreenNear(picture, scaled(expected.resultant.p2(), scale)));
    // A strip of the mirror, 4 pixels thick in the design, is 6 pixels thick: drawn, not
    // stretched.
    const QPoint strip = scaled(QPointF(24 * 11 + 40 + 18, expected.mirrorY), scale);
    QCOMPARE(thicknessAt(picture, strip), 6);
    wine.click(scaled(placeOf("cndKonec").center(), scale));
    QCOMPARE(wine.waitForExit(), 0);
}

QTEST_MAIN(tst_WindowsProgram)
#include "tst_windowsprogram.moc"
