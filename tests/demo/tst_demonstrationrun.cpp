#include "FakeSettings.h"
#include "RecordingCanvas.h"
#include "VirtualPacer.h"
#include "demo/DemonstrationRun.h"

#include <doctest/doctest.h>

using Kind = RecordingCanvas::Kind;
using Operation = RecordingCanvas::Operation;
using namespace std::chrono_literals;

namespace {

bool isDrawing(const Operation &operation) {
    return operation.kind == Kind::line || operation.kind == Kind::circle ||
           operation.kind == Kind::captionLeft || operation.kind == Kind::captionTop ||
           operation.kind == Kind::showCaption;
}

// A ray from the source, which opens a strip's drawings.
bool isRayFromSource(const Operation &operation) {
    return operation.kind == Kind::line && operation.x1 == 50 && operation.y1 == 150;
}

// A link of the arrow chain: a thin line in the foreground colour above the mirror, right of the
// rays.
bool isChainLink(const Operation &operation) {
    return operation.kind == Kind::line && !operation.colour && operation.pen.drawWidth == 1 &&
           operation.y1 < 300 && operation.x1 > 250;
}

} // namespace

// A whole run on a virtual clock: every pause lasts the same, the run lasts exactly its pauses
// (drawing takes no time on this clock), and the finished picture is shown when the run ends.
TEST_CASE("a run's timeline") {
    const struct {
        const char *difrakce, *speed;
        int pauses;
        std::chrono::milliseconds pauseLength;
    } rows[] = {
        {"2", "1", 20, 10ms}, {"2", "10", 20, 100ms}, {"2", "20", 20, 200ms},
        {"1", "1", 40, 10ms}, {"1", "10", 40, 100ms}, {"1", "20", 40, 200ms},
    };
    for (const auto &row : rows) {
        CAPTURE(row.difrakce);
        CAPTURE(row.speed);
        FakeSettings settings("0", row.speed, row.difrakce, "2");
        RecordingCanvas canvas;
        VirtualPacer pacer(&canvas);
        runDemonstration(canvas, settings, pacer);
        // The speed is read at every pause; nDifrakce for the strips drawn, for the strips
        // animated and for the detector mark.
        CHECK(settings.reads(SettingField::nSpomaleni) == row.pauses);
        CHECK(settings.reads(SettingField::nDifrakce) == 3);

        REQUIRE(int(pacer.waits.size()) == row.pauses + 1);
        for (int i = 0; i < row.pauses; ++i) {
            CHECK(pacer.waits[i].length == row.pauseLength);
            CHECK(pacer.waits[i].start - pacer.waits[0].start == i * row.pauseLength);
        }
        // The last wait only shows the finished picture: nothing drawn stays unshown.
        CHECK(pacer.waits.back().length == 0ns);
        CHECK(pacer.now() - pacer.waits[0].start == row.pauses * row.pauseLength);
        CHECK(canvas.operations.back().kind == Kind::pause);
        CHECK(isDrawing(canvas.operations[canvas.operations.size() - 2]));
    }
}

// Each strip's drawings lie between two pauses: the first right before its ray from the source,
// the second right after its link of the chain. Nothing else is paused.
TEST_CASE("the pauses fall before a strip's rays and after its link") {
    const struct {
        const char *difrakce;
        int strips;
    } rows[] = {{"2", 10}, {"1", 20}};
    for (const auto &row : rows) {
        CAPTURE(row.difrakce);
        FakeSettings settings("0", "1", row.difrakce, "1");
        RecordingCanvas canvas;
        VirtualPacer pacer(&canvas);
        runDemonstration(canvas, settings, pacer);

        const std::vector<Operation> &log = canvas.operations;
        int stripsSeen = 0;
        for (std::size_t i = 0; i < log.size(); ++i) {
            if (log[i].kind != Kind::pause || log[i].pauseLength == 0ns)
                continue;
            CAPTURE(i);
            REQUIRE((i > 0 && i + 1 < log.size()));
            const bool opensStrip = isRayFromSource(log[i + 1]);
            CHECK(opensStrip != isChainLink(log[i - 1]));
            if (opensStrip) {
                ++stripsSeen;
                // The strip's twelve drawings and pen changes, its link last, then its pause.
                REQUIRE(i + 13 < log.size());
                CHECK(isChainLink(log[i + 12]));
                CHECK(log[i + 13].kind == Kind::pause);
            }
        }
        CHECK(stripsSeen == row.strips);
    }
}
