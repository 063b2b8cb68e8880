#include "FakeSettings.h"
#include "RecordingCanvas.h"
#include "demo/RuntimeError.h"
#include "demo/SceneSetup.h"

#include <QTest>

using Kind = RecordingCanvas::Kind;
using Operation = RecordingCanvas::Operation;

namespace {

constexpr int bandLines = 500;

struct Strip {
    float left;
    float right;
};

QList<Strip> stripsDrawn(const std::vector<Operation> &operations) {
    QList<Strip> strips;
    for (const Operation &op : operations)
        if (op.kind == Kind::line && op.pen.drawWidth == 4)
            strips.append({op.x1, op.x2});
    return strips;
}

bool operator==(const Strip &a, const Strip &b) {
    return a.left == b.left && a.right == b.right;
}

char *toString(const Strip &strip) {
    return QTest::toString(QStringLiteral("%1-%2").arg(strip.left).arg(strip.right));
}

QList<Strip> stripsFrom(int first, int last, int step) {
    QList<Strip> strips;
    for (int i = first; i <= last; i += step)
        strips.append({float(24 * i + 40), float(24 * i + 64)});
    return strips;
}

} // namespace

Q_DECLARE_METATYPE(Strip)

class tst_SceneSetup : public QObject {
    Q_OBJECT

private slots:
    void computesTheScene_data();
    void computesTheScene();
    void drawsTheStillPicture_data();
    void drawsTheStillPicture();
    void paintsTheBandRowByRowFromTheBottom();
    void drawsInTheOrderOfTheSteps();
    void readsEachFieldOnceInOrder();
    void doesNotDependOnThePenAnEarlierRunLeft();
    void leavesThePenForTheAnimation();
    void drawsNoStripForAStepThatIsNotPositive_data();
    void drawsNoStripForAStepThatIsNotPositive();
    void failsOnTextThatIsNotANumber_data();
    void failsOnTextThatIsNotANumber();
};

void tst_SceneSetup::computesTheScene_data() {
    QTest::addColumn<QString>("poloha");
    QTest::addColumn<QString>("kmitocet");
    QTest::addColumn<double>("phaseFactor");
    QTest::addColumn<double>("printedPhaseFactor"); // to seven decimals
    QTest::addColumn<double>("detectorX");
    QTest::addColumn<double>("sumOriginX");
    // The quotient is formed first, then multiplied by 3, then by the frequency.
    QTest::newRow("far, frequency 2") << "0"
                                      << "2" << 1.57041 / 100 * 3 * 2 << 0.0942246 << 50.0 << 450.0;
    QTest::newRow("near, frequency 1")
        << "170"
        << "1" << 1.57041 / 100 * 3 * 1 << 0.0471123 << 220.0 << 620.0;
}

void tst_SceneSetup::computesTheScene() {
    QFETCH(QString, poloha);
    QFETCH(QString, kmitocet);
    QFETCH(double, phaseFactor);
    QFETCH(double, printedPhaseFactor);
    QFETCH(double, detectorX);
    QFETCH(double, sumOriginX);
    FakeSettings settings(poloha.toStdString(), "1", "2", kmitocet.toStdString());
    RecordingCanvas canvas;

    const SceneGeometry scene = setUpScene(canvas, settings);

    QCOMPARE(scene.mirrorLeft, 40);
    QCOMPARE(scene.mirrorY, 350);
    QCOMPARE(scene.arrowLength, 10);
    QCOMPARE(scene.stripWidth, 24);
    QCOMPARE(scene.halfStrip, 12.0);
    QCOMPARE(scene.firstStrip, 11);
    QCOMPARE(scene.lastStrip, 30);
    QCOMPARE(scene.sourceX, 50);
    QCOMPARE(scene.sourceY, 150);
    QCOMPARE(scene.detectorX, detectorX);
    QCOMPARE(scene.detectorY, 300);
    QCOMPARE(scene.phaseFactor, phaseFactor);
    QCOMPARE(qRound(scene.phaseFactor * 1e7), qRound(printedPhaseFactor * 1e7));
    QCOMPARE(scene.sumOriginX, sumOriginX);
    QCOMPARE(scene.sumOriginY, 200);
    QCOMPARE(scene.sumX, sumOriginX);
    QCOMPARE(scene.sumY, 200.0);
}

void tst_SceneSetup::drawsTheStillPicture_data() {
    QTest::addColumn<QString>("poloha");
    QTest::addColumn<QString>("difrakce");
    QTest::addColumn<float>("detectorX");
    QTest::addColumn<QList<Strip>>("strips");
    QTest::addColumn<float>("sumOriginX");
    QTest::newRow("after load: far, grating") << "0"
                                              << "2" << 50.0f << stripsFrom(11, 29, 2) << 450.0f;
    QTest::newRow("near, ordinary") << "170"
                                    << "1" << 220.0f << stripsFrom(11, 30, 1) << 620.0f;
}

void tst_SceneSetup::drawsTheStillPicture() {
    QFETCH(QString, poloha);
    QFETCH(QString, difrakce);
    QFETCH(float, detectorX);
    QFETCH(QList<Strip>, strips);
    QFETCH(float, sumOriginX);
    FakeSettings settings(poloha.toStdString(), "1", difrakce.toStdString(), "1");
    RecordingCanvas canvas;

    setUpScene(canvas, settings);

    QCOMPARE(stripsDrawn(canvas.operations), strips);
    const auto circles = canvas.ofKind(Kind::circle);
    QCOMPARE(circles.size(), std::size_t(3 + strips.size()));
    // The source: white (title-bar text) inside a dark grey rim.
    const Operation &source = circles[0];
    QCOMPARE(source.x1, 50.0f);
    QCOMPARE(source.y1, 150.0f);
    QCOMPARE(source.x2, 5.0f);
    QCOMPARE(source.pen.drawWidth, 2);
    QCOMPARE(source.pen.fillColor, colour::titleBarText);
    // The detector: light grey inside the rim.
    const Operation &detector = circles[1];
    QCOMPARE(detector.x1, detectorX);
    QCOMPARE(detector.y1, 300.0f);
    QCOMPARE(detector.x2, 5.0f);
    QCOMPARE(detector.pen.drawWidth, 2);
    QCOMPARE(detector.pen.fillColor, colour::lightGrey);
    // A dot on the left end of every strip, drawn over its line.
    for (qsizetype i = 0; i < strips.size(); ++i) {
        const Operation &dot = circles[std::size_t(2 + i)];
        QCOMPARE(dot.x1, strips[i].left);
        QCOMPARE(dot.y1, 350.0f);
        QCOMPARE(dot.x2, 1.0f);
        QCOMPARE(dot.pen.drawWidth, 4);
    }
    // The start of the arrow chain.
    const Operation &sumOrigin = circles.back();
    QCOMPARE(sumOrigin.x1, sumOriginX);
    QCOMPARE(sumOrigin.y1, 200.0f);
    QCOMPARE(sumOrigin.x2, 2.0f);
    QCOMPARE(sumOrigin.pen.drawWidth, 1);
    for (const Operation &circle : circles) {
        QCOMPARE(circle.colour, std::optional<Colour>(colour::darkGrey));
        QCOMPARE(circle.pen.fillStyle, FillStyle::solid);
    }
    // Strips are drawn in the foreground colour.
    for (const Operation &line : canvas.ofKind(Kind::line))
        if (line.pen.drawWidth == 4)
            QCOMPARE(line.colour, std::optional<Colour>());
}

void tst_SceneSetup::paintsTheBandRowByRowFromTheBottom() {
    FakeSettings settings;
    RecordingCanvas canvas;
    setUpScene(canvas, settings);

    const auto lines = canvas.ofKind(Kind::line);
    QVERIFY(lines.size() > bandLines);
    for (int r = 1; r <= bandLines; ++r) {
        const Operation &line = lines[std::size_t(r - 1)];
        const float y = float(581 - r);
        QCOMPARE(line.x1, 5.0f);
        QCOMPARE(line.y1, y);
        QCOMPARE(line.x2, 795.0f);
        QCOMPARE(line.y2, y);
        QCOMPARE(line.colour, std::optional<Colour>(colour::lightGrey));
        QCOMPARE(line.pen.drawWidth, 1);
        QCOMPARE(line.pen.scaleMode, ScaleMode::pixels);
    }
    QCOMPARE(lines[bandLines - 1].y1, 81.0f);
}

void tst_SceneSetup::drawsInTheOrderOfTheSteps() {
    FakeSettings settings; // grating: ten strips
    RecordingCanvas canvas;
    setUpScene(canvas, settings);

    QList<Kind> expected = {Kind::scaleMode, Kind::drawWidth};
    for (int r = 0; r < bandLines; ++r)
        expected << Kind::line;
    expected << Kind::drawWidth << Kind::fillColor << Kind::fillStyle << Kind::circle
             << Kind::fillColor << Kind::circle << Kind::drawWidth;
    for (int strip = 0; strip < 10; ++strip)
        expected << Kind::line << Kind::circle;
    expected << Kind::drawWidth << Kind::circle;

    QList<Kind> recorded;
    for (const Operation &op : canvas.operations)
        recorded << op.kind;
    QCOMPARE(recorded, expected);
}

void tst_SceneSetup::readsEachFieldOnceInOrder() {
    FakeSettings settings;
    RecordingCanvas canvas;
    setUpScene(canvas, settings);
    const std::vector<SettingField> expected = {SettingField::nKmitocet, SettingField::nPoloha,
                                                SettingField::nDifrakce};
    QVERIFY(settings.readLog == expected);
}

void tst_SceneSetup::doesNotDependOnThePenAnEarlierRunLeft() {
    FakeSettings settings;
    RecordingCanvas fresh;
    setUpScene(fresh, settings);

    RecordingCanvas used;
    used.setDrawWidth(2);
    used.setFillColor(colour::white);
    used.setFillStyle(FillStyle::solid);
    used.operations.clear();
    setUpScene(used, settings);

    // Every drawing is made with the same pen as on a fresh surface, in the parts it uses.
    QCOMPARE(used.operations.size(), fresh.operations.size());
    for (std::size_t i = 0; i < fresh.operations.size(); ++i) {
        const Operation &now = used.operations[i];
        const Operation &before = fresh.operations[i];
        if (now.kind == Kind::circle)
            QVERIFY(now.pen == before.pen);
        if (now.kind == Kind::line) {
            QCOMPARE(now.pen.drawWidth, before.pen.drawWidth);
            QCOMPARE(now.pen.scaleMode, before.pen.scaleMode);
        }
    }
}

void tst_SceneSetup::leavesThePenForTheAnimation() {
    FakeSettings settings;
    RecordingCanvas canvas;
    setUpScene(canvas, settings);
    QCOMPARE(canvas.pen().scaleMode, ScaleMode::pixels);
    QCOMPARE(canvas.pen().drawWidth, 1);
    QCOMPARE(canvas.pen().fillStyle, FillStyle::solid);
    QCOMPARE(canvas.pen().fillColor, colour::lightGrey);
    QCOMPARE(canvas.pen().foreColor, colour::buttonText);
}

void tst_SceneSetup::drawsNoStripForAStepThatIsNotPositive_data() {
    QTest::addColumn<QString>("difrakce");
    QTest::newRow("zero") << "0";
    QTest::newRow("negative") << "-1";
}

void tst_SceneSetup::drawsNoStripForAStepThatIsNotPositive() {
    QFETCH(QString, difrakce);
    FakeSettings settings("0", "1", difrakce.toStdString(), "2");
    RecordingCanvas canvas;
    const SceneGeometry scene = setUpScene(canvas, settings);
    QVERIFY(stripsDrawn(canvas.operations).isEmpty());
    // The set-up goes on with the start of the arrow chain.
    QCOMPARE(canvas.operations.back().kind, Kind::circle);
    QCOMPARE(canvas.operations.back().x1, 450.0f);
    QCOMPARE(scene.sumX, 450.0);
}

void tst_SceneSetup::failsOnTextThatIsNotANumber_data() {
    QTest::addColumn<int>("field");
    QTest::newRow("nKmitocet") << int(SettingField::nKmitocet);
    QTest::newRow("nPoloha") << int(SettingField::nPoloha);
    QTest::newRow("nDifrakce") << int(SettingField::nDifrakce);
}

void tst_SceneSetup::failsOnTextThatIsNotANumber() {
    QFETCH(int, field);
    FakeSettings settings;
    settings.set(SettingField(field), "Poloha");
    RecordingCanvas canvas;
    QVERIFY_THROWS_EXCEPTION(RuntimeError, setUpScene(canvas, settings));
}

QTEST_APPLESS_MAIN(tst_SceneSetup)
#include "tst_scenesetup.moc"
