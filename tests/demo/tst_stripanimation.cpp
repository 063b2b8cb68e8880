#include "FakeSettings.h"
#include "FourDecimals.h"
#include "RecordingCanvas.h"
#include "VirtualPacer.h"
#include "demo/Pause.h"
#include "demo/SceneSetup.h"
#include "demo/StripAnimation.h"

#include <doctest/doctest.h>

#include <tuple>

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
        animateStrips(canvas, settings, timeline, scene);
    }
    FakeSettings settings;
    VirtualPacer pacer;
    RecordingCanvas canvas; // the animation's operations, with the pen the set-up left
    std::vector<Operation> setUp;
    SceneGeometry scene;
};

constexpr int operationsPerStrip = 12;

bool near(float actual, double expected, double within = 0.0001) {
    return std::abs(actual - expected) < within;
}

} // namespace

TEST_CASE("worked values: the reflection point, the path value and the graph dot") {
    const struct {
        double k, pointX, pathFar, dotFar, pathNear, dotNear;
    } rows[] = {
        {21, 316, 428.9662, 485.6551, 349.9600, 497.5060},
        {23, 340, 459.0207, 481.1469, 375.4997, 493.6750},
        {25, 364, 489.5835, 476.5625, 402.2835, 489.6575},
        {41, 556, 744.6959, 438.2956, 641.4297, 453.7856},
        {57, 748, 1008.4186, 398.7372, 899.1596, 415.1261},
        {59, 772, 1041.6660, 393.7501, 931.9270, 410.2109},
    };
    for (const auto &row : rows)
        for (const bool far : {true, false}) {
            CAPTURE(row.k);
            CAPTURE(far);
            AnimatedRun run(far ? "0" : "170", "1", "2");
            const StripPath strip = pathOfStrip(run.scene, row.k);
            CHECK(strip.pointX == row.pointX);
            CHECK(fourDecimals(strip.pathValue) == fourDecimals(far ? row.pathFar : row.pathNear));
            // The dot as drawn: the circle at the strip's x off the photon vectors' row.
            int dotsDrawn = 0;
            for (const Operation &circle : run.canvas.ofKind(Kind::circle))
                if (circle.x1 == float(row.pointX) && circle.y1 != 365) {
                    ++dotsDrawn;
                    CHECK(near(circle.y1, far ? row.dotFar : row.dotNear));
                }
            CHECK(dotsDrawn == 1);
        }
}

TEST_CASE("the first two strips, far, ordinary, frequency 1") {
    AnimatedRun run("0", "1", "1");
    CHECK(fourDecimals(pathOfStrip(run.scene, 21).phaseAngle) == fourDecimals(20.20958));
    CHECK(fourDecimals(pathOfStrip(run.scene, 21).chainAngle) == fourDecimals(24.44969));
    CHECK(fourDecimals(pathOfStrip(run.scene, 23).phaseAngle) == fourDecimals(21.62552));
    CHECK(fourDecimals(pathOfStrip(run.scene, 23).chainAngle) == fourDecimals(25.86563));

    const auto lines = run.canvas.ofKind(Kind::line);
    // Per strip: ray to the strip, ray to the detector, photon vector, two axes, chain link.
    const struct {
        double x1, y1, x2, y2;
    } expected[] = {
        {50, 150, 316, 350}, {316, 350, 50, 300}, {316, 365, 318.0921, 374.7787},
        {64, 515, 784, 515}, {64, 400, 64, 515},  {450, 200, 465.5130, 187.3768},
        {50, 150, 340, 350}, {340, 350, 50, 300}, {340, 365, 330.6610, 368.5754},
        {64, 515, 784, 515}, {64, 400, 64, 515},  {465.5130, 187.3768, 480.3780, 200.7571},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        CAPTURE(i);
        const Operation &line = lines[i];
        CHECK((near(line.x1, expected[i].x1) && near(line.y1, expected[i].y1)));
        CHECK((near(line.x2, expected[i].x2, 0.00006) && near(line.y2, expected[i].y2, 0.00006)));
    }
}

TEST_CASE("the animation visits exactly the strips the set-up drew, or none for a step that is "
          "not positive") {
    const struct {
        const char *difrakce;
        int strips;
    } rows[] = {{"1", 20}, {"2", 10}, {"0", 0}, {"-1", 0}};
    for (const auto &row : rows) {
        CAPTURE(row.difrakce);
        AnimatedRun run("0", row.difrakce, "2", "1");
        std::vector<float> stripMiddles; // of every strip the set-up drew
        for (const Operation &op : run.setUp)
            if (op.kind == Kind::line && op.pen.drawWidth == 4)
                stripMiddles.push_back((op.x1 + op.x2) / 2);
        std::vector<float> reflectionPoints; // the end of every ray to the mirror
        const auto lines = run.canvas.ofKind(Kind::line);
        for (std::size_t i = 0; i < lines.size(); i += 6)
            reflectionPoints.push_back(lines[i].x2);
        CHECK(reflectionPoints == stripMiddles);
        CHECK(run.canvas.operations.size() == std::size_t(row.strips * operationsPerStrip));
        CHECK(run.pacer.waits.size() == 2 * std::size_t(row.strips));
        if (row.strips == 0)
            CHECK(run.scene.sumX == 450.0);
    }
}

TEST_CASE("each strip is drawn in order, its axes at the same place, its link to the chain end") {
    AnimatedRun run("170", "2", "2");
    const struct {
        Kind kind;
        int penWidth;
    } expected[operationsPerStrip] = {
        {Kind::line, 1},      {Kind::line, 1},      {Kind::drawWidth, 2}, {Kind::circle, 2},
        {Kind::line, 2},      {Kind::drawWidth, 1}, {Kind::line, 1},      {Kind::line, 1},
        {Kind::drawWidth, 2}, {Kind::circle, 2},    {Kind::drawWidth, 1}, {Kind::line, 1},
    };
    for (std::size_t i = 0; i < run.canvas.operations.size(); ++i) {
        CAPTURE(i);
        const Operation &op = run.canvas.operations[i];
        CHECK(op.kind == expected[i % operationsPerStrip].kind);
        CHECK(op.pen.drawWidth == expected[i % operationsPerStrip].penWidth);
        if (op.kind == Kind::line)
            CHECK(!op.colour); // the foreground colour
        if (op.kind == Kind::circle) {
            CHECK(op.x2 == 2.0f);
            CHECK(op.colour == std::optional<Colour>(colour::darkGrey));
            CHECK(op.pen.fillColor == colour::lightGrey);
            CHECK(op.pen.fillStyle == FillStyle::solid);
        }
    }
    const auto lines = run.canvas.ofKind(Kind::line);
    for (std::size_t i = 0; i < lines.size(); i += 6) {
        const Operation &horizontal = lines[i + 3];
        const Operation &vertical = lines[i + 4];
        CHECK(std::tuple(horizontal.x1, horizontal.y1, horizontal.x2, horizontal.y2) ==
              std::tuple(64.0f, 515.0f, 784.0f, 515.0f));
        CHECK(std::tuple(vertical.x1, vertical.y1, vertical.x2, vertical.y2) ==
              std::tuple(64.0f, 400.0f, 64.0f, 515.0f));
    }
    CHECK(std::pair(lines.back().x2, lines.back().y2) ==
          std::pair(float(run.scene.sumX), float(run.scene.sumY)));
    CHECK(run.canvas.pen().drawWidth == 1);
}
