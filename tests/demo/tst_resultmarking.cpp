#include "FakeSettings.h"
#include "FourDecimals.h"
#include "RecordingCanvas.h"
#include "VirtualPacer.h"
#include "demo/Pause.h"
#include "demo/ResultMarking.h"
#include "demo/SceneSetup.h"
#include "demo/StripAnimation.h"

#include <QTest>

#include <cmath>
#include <string>

using Kind = RecordingCanvas::Kind;
using Operation = RecordingCanvas::Operation;

namespace {

// The result phase of a run, recorded on its own, with the pen and scene the run left for it.
struct ResultPhase {
    ResultPhase(const QString &poloha, const QString &difrakce, const QString &kmitocet)
        : settings(poloha.toStdString(), "0", difrakce.toStdString(), kmitocet.toStdString()) {
        scene = setUpScene(canvas, settings);
        VirtualPacer pacer;
        PauseTimeline timeline(pacer);
        animateStrips(canvas, settings, timeline, scene);
        canvas.operations.clear();
        settings.readLog.clear();
        result = markResult(canvas, settings, scene);
    }
    FakeSettings settings;
    RecordingCanvas canvas;
    SceneGeometry scene;
    RunResult result;
};

struct CaptionCall {
    Kind kind;
    Caption caption;
    float position;
};

} // namespace

class tst_ResultMarking : public QObject {
    Q_OBJECT

private slots:
    void marksTheResult_data();
    void marksTheResult();
    void readsTheSettingsAtEachTest();
};

void tst_ResultMarking::marksTheResult_data() {
    QTest::addColumn<QString>("poloha");
    QTest::addColumn<QString>("difrakce");
    QTest::addColumn<QString>("kmitocet");
    QTest::addColumn<double>("endX");
    QTest::addColumn<double>("endY");
    QTest::addColumn<double>("length");
    QTest::addColumn<bool>("lit");
    auto row = [](const char *name, const char *poloha, const char *difrakce, const char *kmitocet,
                  double endX, double endY, double length, bool lit) {
        QTest::newRow(name) << poloha << difrakce << kmitocet << endX << endY << length << lit;
    };
    row("far, ordinary, 1", "0", "1", "1", 456.3333, 213.6272, 15.0270, false);
    row("far, ordinary, 2", "0", "1", "2", 463.5235, 188.6723, 17.6409, false);
    row("far, grating, 1", "0", "2", "1", 459.7770, 204.9169, 10.9438, false);
    row("far, grating, 2", "0", "2", "2", 296.6423, 138.7968, 165.1194, true);
    row("near, ordinary, 1", "170", "1", "1", 588.6183, 202.6288, 31.4916, false);
    row("near, ordinary, 2", "170", "1", "2", 609.7877, 199.7201, 10.2161, false);
    row("near, grating, 1", "170", "2", "1", 604.4402, 213.8193, 20.8106, false);
    row("near, grating, 2", "170", "2", "2", 700.4416, 179.1365, 83.1032, true);
}

void tst_ResultMarking::marksTheResult() {
    QFETCH(QString, poloha);
    QFETCH(QString, difrakce);
    QFETCH(QString, kmitocet);
    QFETCH(double, endX);
    QFETCH(double, endY);
    QFETCH(double, length);
    QFETCH(bool, lit);
    const bool far = poloha == QStringLiteral("0");
    const float detectorX = far ? 50 : 220;
    ResultPhase phase(poloha, difrakce, kmitocet);
    const auto &ops = phase.canvas.operations;
    std::size_t i = 0;

    QCOMPARE(ops[i].kind, Kind::drawWidth);
    QCOMPARE(ops[i++].pen.drawWidth, 2);

    // The resultant, from the chain's start to its end.
    const Operation &resultant = ops[i++];
    QCOMPARE(resultant.kind, Kind::line);
    QCOMPARE(resultant.colour, std::optional<Colour>(colour::green));
    QCOMPARE(resultant.x1, far ? 450.0f : 620.0f);
    QCOMPARE(resultant.y1, 200.0f);
    QCOMPARE(fourDecimals(resultant.x2), fourDecimals(float(endX)));
    QCOMPARE(fourDecimals(resultant.y2), fourDecimals(float(endY)));
    QCOMPARE(resultant.pen.drawWidth, 2);

    // The white mark on a lit detector.
    if (lit) {
        QCOMPARE(ops[i++].kind, Kind::fillColor);
        QCOMPARE(ops[i++].kind, Kind::fillStyle);
        const Operation &disc = ops[i++];
        QCOMPARE(disc.kind, Kind::circle);
        QCOMPARE(std::tuple(disc.x1, disc.y1, disc.x2), std::tuple(detectorX, 300.0f, 10.0f));
        QCOMPARE(disc.colour, std::optional<Colour>(colour::darkGrey));
        QCOMPARE(disc.pen.fillColor, colour::white);
        QCOMPARE(disc.pen.fillStyle, FillStyle::solid);
        QCOMPARE(disc.pen.drawWidth, 2);
    }

    // The captions, in the order of the calls.
    const CaptionCall expected[] = {
        {Kind::captionLeft, Caption::labRadiusvektory, 304},
        {Kind::captionTop, Caption::labRadiusvektory, 380},
        {Kind::captionTop, Caption::labCas, 400},
        {Kind::captionLeft, Caption::labCas, 70},
        {Kind::captionTop, Caption::labDobaLetu, 480},
        {Kind::captionLeft, Caption::labDobaLetu, 490},
        {Kind::captionLeft, Caption::labSoucet, far ? 480.0f : 550.0f},
        {Kind::captionTop, Caption::labSoucet, 130},
        {Kind::showCaption, Caption::labRadiusvektory, 0},
        {Kind::showCaption, Caption::labCas, 0},
        {Kind::showCaption, Caption::labDobaLetu, 0},
        {Kind::showCaption, Caption::labSoucet, 0},
        {Kind::captionLeft, Caption::labZdroj, 60},
        {Kind::captionTop, Caption::labZdroj, 130},
        {Kind::showCaption, Caption::labZdroj, 0},
        {Kind::captionLeft, Caption::labDetektor, far ? 60.0f : 140.0f},
        {Kind::captionTop, Caption::labDetektor, 275},
        {Kind::showCaption, Caption::labDetektor, 0},
    };
    QCOMPARE(ops.size(), i + std::size(expected));
    for (const CaptionCall &call : expected) {
        const Operation &op = ops[i++];
        QCOMPARE(op.kind, call.kind);
        QCOMPARE(captionName(op.caption), captionName(call.caption));
        QCOMPARE(op.position, call.position);
    }

    // What the run showed, as the drawing decided it, with the settings it read for it.
    QCOMPARE(fourDecimals(phase.result.resultantLength), fourDecimals(length));
    QCOMPARE(phase.result.detectorLit, lit);
    QCOMPARE(phase.result.detectorOffset, far ? 0.0 : 170.0);
    QCOMPARE(phase.result.mirrorStep, std::stod(difrakce.toStdString()));
    QCOMPARE(phase.result.frequency, std::stod(kmitocet.toStdString()));

    // The pen as the run leaves it.
    QCOMPARE(phase.canvas.pen().drawWidth, 2);
    QCOMPARE(phase.canvas.pen().fillColor, lit ? colour::white : colour::lightGrey);
}

void tst_ResultMarking::readsTheSettingsAtEachTest() {
    ResultPhase phase("170", "1", "2");
    const std::vector<SettingField> expected = {SettingField::nKmitocet, SettingField::nDifrakce,
                                                SettingField::nPoloha, SettingField::nPoloha};
    QVERIFY(phase.settings.readLog == expected);
}

QTEST_APPLESS_MAIN(tst_ResultMarking)
#include "tst_resultmarking.moc"
