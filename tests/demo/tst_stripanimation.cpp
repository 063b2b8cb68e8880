#include "FakeSettings.h"
#include "FourDecimals.h"
#include "RecordingCanvas.h"
#include "VirtualPacer.h"
#include "demo/Pause.h"
#include "demo/SceneSetup.h"
#include "demo/StripAnimation.h"

#include <QTest>

#include <cmath>

using Kind = RecordingCanvas::Kind;
using Operation = RecordingCanvas::Operation;

namespace {

// Runs the set-up and the animation without pauses.
struct AnimatedRun {
    AnimatedRun(const char *poloha, const char *difrakce, const char *kmitocet,
                const char *spomaleni = "0")
        : settings(poloha, spomaleni, difrakce, kmitocet) {
        scene = setUpScene(canvas, settings);
        setUp = canvas.operations;
        canvas.operations.clear();
        PauseTimeline timeline(pacer);
        tally = animateStrips(canvas, settings, timeline, scene);
    }
    FakeSettings settings;
    VirtualPacer pacer;
    RecordingCanvas canvas; // the animation's operations, with the pen the set-up left
    std::vector<Operation> setUp;
    SceneGeometry scene;
    PauseTally tally;
};

constexpr int operationsPerStrip = 12;

bool near(float actual, double expected) {
    return std::abs(actual - expected) < 0.0001;
}

} // namespace

class tst_StripAnimation : public QObject {
    Q_OBJECT

private slots:
    void workedValues_data();
    void workedValues();
    void firstTwoStrips();
    void chainEnd_data();
    void chainEnd();
    void visitsTheStripsTheSetUpDrew_data();
    void visitsTheStripsTheSetUpDrew();
    void drawsEachStripInOrder();
    void drawsTheAxesAgainAtTheSamePlace();
    void visitsNoStripForAStepThatIsNotPositive_data();
    void visitsNoStripForAStepThatIsNotPositive();
};

void tst_StripAnimation::workedValues_data() {
    QTest::addColumn<double>("k");
    QTest::addColumn<double>("pointX");
    QTest::addColumn<double>("pathFar");
    QTest::addColumn<double>("dotFar");
    QTest::addColumn<double>("pathNear");
    QTest::addColumn<double>("dotNear");
    QTest::newRow("strip 11") << 21.0 << 316.0 << 428.9662 << 485.6551 << 349.9600 << 497.5060;
    QTest::newRow("strip 12") << 23.0 << 340.0 << 459.0207 << 481.1469 << 375.4997 << 493.6750;
    QTest::newRow("strip 13") << 25.0 << 364.0 << 489.5835 << 476.5625 << 402.2835 << 489.6575;
    QTest::newRow("strip 21") << 41.0 << 556.0 << 744.6959 << 438.2956 << 641.4297 << 453.7856;
    QTest::newRow("strip 29") << 57.0 << 748.0 << 1008.4186 << 398.7372 << 899.1596 << 415.1261;
    QTest::newRow("strip 30") << 59.0 << 772.0 << 1041.6660 << 393.7501 << 931.9270 << 410.2109;
}

void tst_StripAnimation::workedValues() {
    QFETCH(double, k);
    QFETCH(double, pointX);
    QFETCH(double, pathFar);
    QFETCH(double, dotFar);
    QFETCH(double, pathNear);
    QFETCH(double, dotNear);
    for (const auto &[poloha, path, dot] :
         {std::tuple{"0", pathFar, dotFar}, std::tuple{"170", pathNear, dotNear}}) {
        AnimatedRun run(poloha, "1", "2");
        const StripPath strip = pathOfStrip(run.scene, k);
        QCOMPARE(strip.pointX, pointX);
        QCOMPARE(fourDecimals(strip.pathValue), fourDecimals(path));
        // The graph dot as it was drawn: the circle at the strip's x off the photon vectors' row.
        int dotsDrawn = 0;
        for (const Operation &circle : run.canvas.ofKind(Kind::circle)) {
            if (circle.x1 != float(pointX) || circle.y1 == 365)
                continue;
            ++dotsDrawn;
            QVERIFY2(near(circle.y1, dot), qPrintable(QString::number(circle.y1, 'f', 4)));
        }
        QCOMPARE(dotsDrawn, 1);
    }
}

void tst_StripAnimation::firstTwoStrips() {
    AnimatedRun run("0", "1", "1");
    QCOMPARE(fourDecimals(pathOfStrip(run.scene, 21).phaseAngle), fourDecimals(20.20958));
    QCOMPARE(fourDecimals(pathOfStrip(run.scene, 21).chainAngle), fourDecimals(24.44969));
    QCOMPARE(fourDecimals(pathOfStrip(run.scene, 23).phaseAngle), fourDecimals(21.62552));
    QCOMPARE(fourDecimals(pathOfStrip(run.scene, 23).chainAngle), fourDecimals(25.86563));

    const auto lines = run.canvas.ofKind(Kind::line);
    struct Expected {
        double x1, y1, x2, y2;
    };
    // Per strip: ray to the strip, ray to the detector, photon vector, two axes, chain link.
    const Expected expected[] = {
        {50, 150, 316, 350}, {316, 350, 50, 300}, {316, 365, 318.0921, 374.7787},
        {64, 515, 784, 515}, {64, 400, 64, 515},  {450, 200, 465.5130, 187.3768},
        {50, 150, 340, 350}, {340, 350, 50, 300}, {340, 365, 330.6610, 368.5754},
        {64, 515, 784, 515}, {64, 400, 64, 515},  {465.5130, 187.3768, 480.3780, 200.7571},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Operation &line = lines[i];
        const Expected &e = expected[i];
        QVERIFY2(near(line.x1, e.x1) && near(line.y1, e.y1), qPrintable(QString::number(i)));
        QVERIFY2(std::abs(line.x2 - e.x2) < 0.00006 && std::abs(line.y2 - e.y2) < 0.00006,
                 qPrintable(QStringLiteral("line %1 ends at %2, %3")
                                .arg(i)
                                .arg(line.x2, 0, 'f', 5)
                                .arg(line.y2, 0, 'f', 5)));
    }
}

void tst_StripAnimation::chainEnd_data() {
    QTest::addColumn<QString>("poloha");
    QTest::addColumn<QString>("difrakce");
    QTest::addColumn<QString>("kmitocet");
    QTest::addColumn<double>("endX");
    QTest::addColumn<double>("endY");
    QTest::addColumn<double>("distance");
    QTest::newRow("far, ordinary, 1") << "0"
                                      << "1"
                                      << "1" << 456.3333 << 213.6272 << 15.0270;
    QTest::newRow("far, ordinary, 2") << "0"
                                      << "1"
                                      << "2" << 463.5235 << 188.6723 << 17.6409;
    QTest::newRow("far, grating, 1") << "0"
                                     << "2"
                                     << "1" << 459.7770 << 204.9169 << 10.9438;
    QTest::newRow("far, grating, 2") << "0"
                                     << "2"
                                     << "2" << 296.6423 << 138.7968 << 165.1194;
    QTest::newRow("near, ordinary, 1") << "170"
                                       << "1"
                                       << "1" << 588.6183 << 202.6288 << 31.4916;
    QTest::newRow("near, ordinary, 2") << "170"
                                       << "1"
                                       << "2" << 609.7877 << 199.7201 << 10.2161;
    QTest::newRow("near, grating, 1") << "170"
                                      << "2"
                                      << "1" << 604.4402 << 213.8193 << 20.8106;
    QTest::newRow("near, grating, 2") << "170"
                                      << "2"
                                      << "2" << 700.4416 << 179.1365 << 83.1032;
}

void tst_StripAnimation::chainEnd() {
    QFETCH(QString, poloha);
    QFETCH(QString, difrakce);
    QFETCH(QString, kmitocet);
    QFETCH(double, endX);
    QFETCH(double, endY);
    QFETCH(double, distance);
    AnimatedRun run(qPrintable(poloha), qPrintable(difrakce), qPrintable(kmitocet));
    QCOMPARE(fourDecimals(run.scene.sumX), fourDecimals(endX));
    QCOMPARE(fourDecimals(run.scene.sumY), fourDecimals(endY));
    const double dx = run.scene.sumX - run.scene.sumOriginX;
    const double dy = run.scene.sumY - run.scene.sumOriginY;
    QCOMPARE(fourDecimals(std::sqrt(dx * dx + dy * dy)), fourDecimals(distance));
    // The last link drawn ends at the chain end.
    const Operation lastLink = run.canvas.ofKind(Kind::line).back();
    QCOMPARE(lastLink.x2, float(run.scene.sumX));
    QCOMPARE(lastLink.y2, float(run.scene.sumY));
}

void tst_StripAnimation::visitsTheStripsTheSetUpDrew_data() {
    QTest::addColumn<QString>("difrakce");
    QTest::addColumn<int>("strips");
    QTest::newRow("ordinary") << "1" << 20;
    QTest::newRow("grating") << "2" << 10;
}

void tst_StripAnimation::visitsTheStripsTheSetUpDrew() {
    QFETCH(QString, difrakce);
    QFETCH(int, strips);
    AnimatedRun run("0", qPrintable(difrakce), "2");
    QList<float> stripMiddles; // middle of every strip the set-up drew
    for (const Operation &op : run.setUp)
        if (op.kind == Kind::line && op.pen.drawWidth == 4)
            stripMiddles << (op.x1 + op.x2) / 2;
    QList<float> reflectionPoints; // end of every ray to the mirror
    const auto lines = run.canvas.ofKind(Kind::line);
    for (std::size_t i = 0; i < lines.size(); i += 6)
        reflectionPoints << lines[i].x2;
    QCOMPARE(stripMiddles.size(), strips);
    QCOMPARE(reflectionPoints, stripMiddles);
    QCOMPARE(run.canvas.operations.size(), std::size_t(strips * operationsPerStrip));
}

void tst_StripAnimation::drawsEachStripInOrder() {
    AnimatedRun run("0", "2", "2");
    struct Step {
        Kind kind;
        int penWidth;
    };
    const Step expected[operationsPerStrip] = {
        {Kind::line, 1},      {Kind::line, 1},      {Kind::drawWidth, 2}, {Kind::circle, 2},
        {Kind::line, 2},      {Kind::drawWidth, 1}, {Kind::line, 1},      {Kind::line, 1},
        {Kind::drawWidth, 2}, {Kind::circle, 2},    {Kind::drawWidth, 1}, {Kind::line, 1},
    };
    for (std::size_t i = 0; i < run.canvas.operations.size(); ++i) {
        const Operation &op = run.canvas.operations[i];
        const Step &step = expected[i % operationsPerStrip];
        QCOMPARE(op.kind, step.kind);
        QCOMPARE(op.pen.drawWidth, step.penWidth);
        if (op.kind == Kind::line)
            QCOMPARE(op.colour, std::optional<Colour>()); // the foreground colour
        if (op.kind == Kind::circle) {
            QCOMPARE(op.x2, 2.0f);
            QCOMPARE(op.colour, std::optional<Colour>(colour::darkGrey));
            QCOMPARE(op.pen.fillColor, colour::lightGrey);
            QCOMPARE(op.pen.fillStyle, FillStyle::solid);
        }
    }
    QCOMPARE(run.canvas.pen().drawWidth, 1);
}

void tst_StripAnimation::drawsTheAxesAgainAtTheSamePlace() {
    AnimatedRun run("170", "1", "1");
    const auto lines = run.canvas.ofKind(Kind::line);
    for (std::size_t i = 0; i < lines.size(); i += 6) {
        const Operation &horizontal = lines[i + 3];
        const Operation &vertical = lines[i + 4];
        QCOMPARE(std::tuple(horizontal.x1, horizontal.y1, horizontal.x2, horizontal.y2),
                 std::tuple(64.0f, 515.0f, 784.0f, 515.0f));
        QCOMPARE(std::tuple(vertical.x1, vertical.y1, vertical.x2, vertical.y2),
                 std::tuple(64.0f, 400.0f, 64.0f, 515.0f));
    }
}

void tst_StripAnimation::visitsNoStripForAStepThatIsNotPositive_data() {
    QTest::addColumn<QString>("difrakce");
    QTest::newRow("zero") << "0";
    QTest::newRow("negative") << "-1";
}

void tst_StripAnimation::visitsNoStripForAStepThatIsNotPositive() {
    QFETCH(QString, difrakce);
    AnimatedRun run("0", qPrintable(difrakce), "2", "1");
    QVERIFY(run.canvas.operations.empty());
    QCOMPARE(run.tally.pauses, 0);
    QCOMPARE(run.scene.sumX, 450.0);
}

QTEST_APPLESS_MAIN(tst_StripAnimation)
#include "tst_stripanimation.moc"
