#include "FakeSettings.h"
#include "FourDecimals.h"
#include "RecordingCanvas.h"
#include "VirtualPacer.h"
#include "demo/Pause.h"
#include "demo/ResultMarking.h"
#include "demo/SceneSetup.h"
#include "demo/StripAnimation.h"

#include <doctest/doctest.h>

#include <tuple>

#include <string>

using Kind = RecordingCanvas::Kind;
using Operation = RecordingCanvas::Operation;

namespace {

// The result phase of a run, recorded on its own, with the pen and scene the run left for it.
struct ResultPhase {
    ResultPhase(const char *poloha, const char *difrakce, const char *kmitocet)
        : settings(poloha, "0", difrakce, kmitocet) {
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

// For every combination: the chain's end, the distance from its start and whether the detector
// is lit, and each caption's place, in the order of the calls.
TEST_CASE("the result: the green resultant, the lit detector's mark and the captions") {
    const struct {
        const char *poloha, *difrakce, *kmitocet;
        double endX, endY, length;
        bool lit;
    } rows[] = {
        {"0", "1", "1", 456.3333, 213.6272, 15.0270, false},
        {"0", "1", "2", 463.5235, 188.6723, 17.6409, false},
        {"0", "2", "1", 459.7770, 204.9169, 10.9438, false},
        {"0", "2", "2", 296.6423, 138.7968, 165.1194, true},
        {"170", "1", "1", 588.6183, 202.6288, 31.4916, false},
        {"170", "1", "2", 609.7877, 199.7201, 10.2161, false},
        {"170", "2", "1", 604.4402, 213.8193, 20.8106, false},
        {"170", "2", "2", 700.4416, 179.1365, 83.1032, true},
    };
    for (const auto &row : rows) {
        CAPTURE(row.poloha);
        CAPTURE(row.difrakce);
        CAPTURE(row.kmitocet);
        const bool far = std::string(row.poloha) == "0";
        const float detectorX = far ? 50 : 220;
        ResultPhase phase(row.poloha, row.difrakce, row.kmitocet);
        const auto &ops = phase.canvas.operations;
        std::size_t i = 0;
        REQUIRE(ops.size() > 2);
        CHECK(ops[i].kind == Kind::drawWidth);
        CHECK(ops[i++].pen.drawWidth == 2);

        const Operation &resultant = ops[i++];
        CHECK(resultant.kind == Kind::line);
        CHECK(resultant.colour == std::optional<Colour>(colour::green));
        CHECK(std::pair(resultant.x1, resultant.y1) == std::pair(far ? 450.0f : 620.0f, 200.0f));
        CHECK(fourDecimals(resultant.x2) == fourDecimals(float(row.endX)));
        CHECK(fourDecimals(resultant.y2) == fourDecimals(float(row.endY)));
        CHECK(resultant.pen.drawWidth == 2);

        if (row.lit) {
            CHECK(ops[i++].kind == Kind::fillColor);
            CHECK(ops[i++].kind == Kind::fillStyle);
            const Operation &disc = ops[i++];
            CHECK(disc.kind == Kind::circle);
            CHECK(std::tuple(disc.x1, disc.y1, disc.x2) == std::tuple(detectorX, 300.0f, 10.0f));
            CHECK(disc.colour == std::optional<Colour>(colour::darkGrey));
            CHECK(disc.pen.fillColor == colour::white);
            CHECK(disc.pen.fillStyle == FillStyle::solid);
            CHECK(disc.pen.drawWidth == 2);
        }

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
        REQUIRE(ops.size() == i + std::size(expected));
        for (const CaptionCall &call : expected) {
            const Operation &op = ops[i++];
            CHECK(op.kind == call.kind);
            CHECK(captionName(op.caption) == captionName(call.caption));
            CHECK(op.position == call.position);
        }

        // What the run showed, as the drawing decided it, with the settings it read for it.
        CHECK(fourDecimals(phase.result.resultantLength) == fourDecimals(row.length));
        CHECK(phase.result.detectorLit == row.lit);
        CHECK(phase.result.detectorOffset == std::stod(row.poloha));
        CHECK(phase.result.mirrorStep == std::stod(row.difrakce));
        CHECK(phase.result.frequency == std::stod(row.kmitocet));

        // The pen as the run leaves it.
        CHECK(phase.canvas.pen().drawWidth == 2);
        CHECK(phase.canvas.pen().fillColor == (row.lit ? colour::white : colour::lightGrey));
    }
}

TEST_CASE("the settings are read at each test") {
    ResultPhase phase("170", "1", "2");
    CHECK(phase.settings.readLog ==
          std::vector<SettingField>{SettingField::nKmitocet, SettingField::nDifrakce,
                                    SettingField::nPoloha, SettingField::nPoloha});
}
