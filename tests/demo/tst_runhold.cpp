#include "FakeSettings.h"
#include "RecordingCanvas.h"
#include "VirtualPacer.h"
#include "demo/DemonstrationRun.h"
#include "demo/RunHold.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

// A teacher's hand on the virtual clock: each touch waits for its moment (the ordinary pause
// numbered, counting every wait the run begins, or the next time the run is held), lets time
// pass, then gives its command.
struct Touch {
    int ordinaryWait; // 0: when the run is held
    std::chrono::milliseconds after;
    HoldCommand command;
};

class HandPacer : public VirtualPacer {
public:
    HandPacer(RecordingCanvas &canvas, std::vector<Touch> touches)
        : VirtualPacer(&canvas), touches_(std::move(touches)) {}

    void showAndWaitUntil(Clock::time_point deadline) override {
        const bool held = deadline == Clock::time_point::max();
        ordinaryWaits_ += held ? 0 : 1;
        if (next_ < touches_.size() &&
            touches_[next_].ordinaryWait == (held ? 0 : ordinaryWaits_)) {
            advance(touches_[next_].after);
            command(touches_[next_++].command);
            return;
        }
        VirtualPacer::showAndWaitUntil(deadline);
    }

private:
    std::vector<Touch> touches_;
    std::size_t next_ = 0;
    int ordinaryWaits_ = 0;
};

// The canvas as a held run leaves it, and what the class was told, in one log.
class HoldLog : public RecordingCanvas, public HoldWatcher {
public:
    std::string log;
    void showStrips(int strips) override { note("show " + std::to_string(strips)); }
    void holdChanged(const HoldState &state) override {
        const char *names[] = {"held", "stepped", "went on"};
        std::string entry = names[int(state.change)];
        if (state.change != HoldState::Change::wentOn)
            entry += " " + std::to_string(state.shown) + "/" + std::to_string(state.strips);
        note(entry);
    }

private:
    void note(const std::string &entry) { log += (log.empty() ? "" : "; ") + entry; }
};

int chainLinks(const RecordingCanvas &canvas) {
    int links = 0;
    for (const auto &op : canvas.ofKind(RecordingCanvas::Kind::line))
        links += !op.colour && op.pen.drawWidth == 1 && op.y1 < 300 && op.x1 > 250;
    return links;
}

constexpr HoldCommand hold = HoldCommand::holdOrGoOn;
constexpr HoldCommand goOn = HoldCommand::holdOrGoOn;
constexpr HoldCommand step = HoldCommand::stepForward;
constexpr HoldCommand back = HoldCommand::stepBack;
constexpr HoldCommand letGo = HoldCommand::letGo;

} // namespace

// A grating run at speed 1: ten strips, twenty pauses of 10 ms, 200 ms in all. The ordinary
// waits number its pauses, and once more each pause a command cut short.
TEST_CASE("a held run: held time is added to its timeline, and steps show one strip each") {
    const struct {
        const char *what;
        std::vector<Touch> touches;
        const char *log;
        std::chrono::milliseconds heldTime; // by which the run is longer
    } rows[] = {
        {"never held", {}, "", 0ms},
        {"held and let go on", {{2, 5ms, hold}, {0, 1000ms, goOn}}, "held 1/10; went on", 1000ms},
        {"a step forward draws the next strip and holds after its pause",
         {{2, 5ms, hold}, {0, 100ms, step}, {0, 300ms, goOn}},
         "held 1/10; stepped 2/10; went on",
         400ms},
        {"from the still scene, a step draws the first strip",
         {{1, 5ms, hold}, {0, 50ms, step}, {0, 50ms, goOn}},
         "held 0/10; stepped 1/10; went on",
         100ms},
        {"back to the still scene and no further, then forward again from the record",
         {{4, 5ms, hold},
          {0, 10ms, back},
          {0, 10ms, back},
          {0, 10ms, back},
          {0, 10ms, step},
          {0, 10ms, goOn}},
         "held 2/10; show 1; stepped 1/10; show 0; stepped 0/10; show 1; stepped 1/10; show 2; "
         "went on",
         50ms},
        {"a step forward from the last strip ends the hold for good",
         {{20, 5ms, hold}, {0, 70ms, step}, {20, 0ms, hold}},
         "held 10/10; went on",
         70ms},
        {"a close request lets go of a held run, and no hold comes after it",
         {{2, 5ms, hold}, {0, 30ms, letGo}, {6, 0ms, hold}},
         "held 1/10; went on",
         30ms},
        {"a step is only for a held run", {{3, 0ms, step}, {3, 0ms, back}}, "", 0ms},
    };
    for (const auto &row : rows) {
        CAPTURE(row.what);
        FakeSettings settings("0", "1", "2", "2");
        HoldLog canvas;
        HandPacer pacer(canvas, row.touches);
        const auto start = pacer.now();
        runDemonstration(canvas, settings, pacer, &canvas);
        CHECK(canvas.log == row.log);
        CHECK(pacer.now() - start == 200ms + row.heldTime);
        CHECK(chainLinks(canvas) == 10); // every strip drawn once, whatever was shown
    }
}
