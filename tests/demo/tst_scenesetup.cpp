#include "FakeSettings.h"
#include "RecordingCanvas.h"
#include "demo/RuntimeError.h"
#include "demo/SceneSetup.h"

#include <doctest/doctest.h>

#include <tuple>

#include <cmath>
#include <utility>
#include <vector>

using Kind = RecordingCanvas::Kind;
using Operation = RecordingCanvas::Operation;

namespace {

constexpr int bandLines = 500;

// Each strip drawn, from its left end to its right end.
using Strips = std::vector<std::pair<float, float>>;

Strips stripsDrawn(const std::vector<Operation> &operations) {
    Strips strips;
    for (const Operation &op : operations)
        if (op.kind == Kind::line && op.pen.drawWidth == 4)
            strips.emplace_back(op.x1, op.x2);
    return strips;
}

Strips stripsFrom(int first, int last, int step) {
    Strips strips;
    for (int i = first; i <= last; i += step)
        strips.emplace_back(float(24 * i + 40), float(24 * i + 64));
    return strips;
}

} // namespace

TEST_CASE("the scene of a run") {
    // The quotient is formed first, then multiplied by 3, then by the frequency.
    const struct {
        const char *poloha, *kmitocet;
        double phaseFactor, printedPhaseFactor, detectorX, sumOriginX;
    } rows[] = {
        {"0", "2", 1.57041 / 100 * 3 * 2, 0.0942246, 50, 450},
        {"170", "1", 1.57041 / 100 * 3 * 1, 0.0471123, 220, 620},
    };
    for (const auto &row : rows) {
        CAPTURE(row.poloha);
        FakeSettings settings(row.poloha, "1", "2", row.kmitocet);
        RecordingCanvas canvas;
        const SceneGeometry scene = setUpScene(canvas, settings);
        CHECK(scene.mirrorLeft == 40);
        CHECK(scene.mirrorY == 350);
        CHECK(scene.arrowLength == 10);
        CHECK(scene.stripWidth == 24);
        CHECK(scene.halfStrip == 12.0);
        CHECK(scene.firstStrip == 11);
        CHECK(scene.lastStrip == 30);
        CHECK(std::pair(scene.sourceX, scene.sourceY) == std::pair(50, 150));
        CHECK(std::pair(scene.detectorX, scene.detectorY) == std::pair(row.detectorX, 300));
        CHECK(scene.phaseFactor == row.phaseFactor);
        CHECK(std::lround(scene.phaseFactor * 1e7) == std::lround(row.printedPhaseFactor * 1e7));
        CHECK(std::pair(scene.sumOriginX, scene.sumOriginY) == std::pair(row.sumOriginX, 200));
        CHECK(std::pair(scene.sumX, scene.sumY) == std::pair(row.sumOriginX, 200.0));
    }
}

TEST_CASE("the still picture: source, detector, strips with their dots, the chain's start") {
    const struct {
        const char *poloha, *difrakce;
        float detectorX;
        Strips strips;
        float sumOriginX;
    } rows[] = {
        {"0", "2", 50, stripsFrom(11, 29, 2), 450},
        {"170", "1", 220, stripsFrom(11, 30, 1), 620},
    };
    for (const auto &row : rows) {
        CAPTURE(row.poloha);
        FakeSettings settings(row.poloha, "1", row.difrakce, "1");
        RecordingCanvas canvas;
        setUpScene(canvas, settings);

        CHECK(stripsDrawn(canvas.operations) == row.strips);
        const auto circles = canvas.ofKind(Kind::circle);
        REQUIRE(circles.size() == 3 + row.strips.size());
        // The source: white (title-bar text) inside a dark grey rim.
        const Operation &source = circles[0];
        CHECK(std::tuple(source.x1, source.y1, source.x2, source.pen.drawWidth) ==
              std::tuple(50.0f, 150.0f, 5.0f, 2));
        CHECK(source.pen.fillColor == colour::titleBarText);
        // The detector: light grey inside the rim.
        const Operation &detector = circles[1];
        CHECK(std::tuple(detector.x1, detector.y1, detector.x2, detector.pen.drawWidth) ==
              std::tuple(row.detectorX, 300.0f, 5.0f, 2));
        CHECK(detector.pen.fillColor == colour::lightGrey);
        // A dot on the left end of every strip, drawn over its line.
        for (std::size_t i = 0; i < row.strips.size(); ++i) {
            const Operation &dot = circles[2 + i];
            CHECK(std::tuple(dot.x1, dot.y1, dot.x2, dot.pen.drawWidth) ==
                  std::tuple(row.strips[i].first, 350.0f, 1.0f, 4));
        }
        const Operation &sumOrigin = circles.back();
        CHECK(std::tuple(sumOrigin.x1, sumOrigin.y1, sumOrigin.x2, sumOrigin.pen.drawWidth) ==
              std::tuple(row.sumOriginX, 200.0f, 2.0f, 1));
        for (const Operation &circle : circles) {
            CHECK(circle.colour == std::optional<Colour>(colour::darkGrey));
            CHECK(circle.pen.fillStyle == FillStyle::solid);
        }
        // Strips are drawn in the foreground colour.
        for (const Operation &line : canvas.ofKind(Kind::line))
            if (line.pen.drawWidth == 4)
                CHECK(!line.colour);
    }
}

TEST_CASE("the band is painted row by row from the bottom, before anything else") {
    FakeSettings settings; // grating: ten strips
    RecordingCanvas canvas;
    setUpScene(canvas, settings);

    const auto lines = canvas.ofKind(Kind::line);
    REQUIRE(lines.size() > bandLines);
    for (int r = 1; r <= bandLines; ++r) {
        const Operation &line = lines[std::size_t(r - 1)];
        const float y = float(581 - r);
        CHECK(std::tuple(line.x1, line.y1, line.x2, line.y2) == std::tuple(5.0f, y, 795.0f, y));
        CHECK(line.colour == std::optional<Colour>(colour::lightGrey));
        CHECK(line.pen.drawWidth == 1);
        CHECK(line.pen.scaleMode == ScaleMode::pixels);
    }

    std::vector<Kind> expected = {Kind::scaleMode, Kind::drawWidth};
    expected.insert(expected.end(), bandLines, Kind::line);
    expected.insert(expected.end(), {Kind::drawWidth, Kind::fillColor, Kind::fillStyle,
                                     Kind::circle, Kind::fillColor, Kind::circle, Kind::drawWidth});
    for (int strip = 0; strip < 10; ++strip)
        expected.insert(expected.end(), {Kind::line, Kind::circle});
    expected.insert(expected.end(), {Kind::drawWidth, Kind::circle});
    std::vector<Kind> recorded;
    for (const Operation &op : canvas.operations)
        recorded.push_back(op.kind);
    CHECK(recorded == expected);
    CHECK(settings.readLog == std::vector<SettingField>{SettingField::nKmitocet,
                                                        SettingField::nPoloha,
                                                        SettingField::nDifrakce});
}

TEST_CASE("the pen: what an earlier run left makes no difference, and the animation gets its own") {
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
    REQUIRE(used.operations.size() == fresh.operations.size());
    for (std::size_t i = 0; i < fresh.operations.size(); ++i) {
        const Operation &now = used.operations[i];
        const Operation &before = fresh.operations[i];
        if (now.kind == Kind::circle)
            CHECK(now.pen == before.pen);
        if (now.kind == Kind::line)
            CHECK(std::pair(now.pen.drawWidth, now.pen.scaleMode) ==
                  std::pair(before.pen.drawWidth, before.pen.scaleMode));
    }
    const PenState left = used.pen();
    CHECK(left.scaleMode == ScaleMode::pixels);
    CHECK(left.drawWidth == 1);
    CHECK(left.fillStyle == FillStyle::solid);
    CHECK(left.fillColor == colour::lightGrey);
    CHECK(left.foreColor == colour::buttonText);
}

TEST_CASE("a step that is not positive draws no strip, and the set-up goes on") {
    for (const char *difrakce : {"0", "-1"}) {
        CAPTURE(difrakce);
        FakeSettings settings("0", "1", difrakce, "2");
        RecordingCanvas canvas;
        const SceneGeometry scene = setUpScene(canvas, settings);
        CHECK(stripsDrawn(canvas.operations).empty());
        CHECK(canvas.operations.back().kind == Kind::circle);
        CHECK(canvas.operations.back().x1 == 450.0f);
        CHECK(scene.sumX == 450.0);
    }
}

TEST_CASE("a field that is not a number fails the set-up") {
    for (const SettingField field :
         {SettingField::nKmitocet, SettingField::nPoloha, SettingField::nDifrakce}) {
        CAPTURE(fieldName(field));
        FakeSettings settings;
        settings.set(field, "Poloha");
        RecordingCanvas canvas;
        CHECK_THROWS_AS(setUpScene(canvas, settings), RuntimeError);
    }
}
