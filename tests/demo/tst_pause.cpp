#include "FakeSettings.h"
#include "VirtualPacer.h"
#include "demo/Pause.h"
#include "demo/RuntimeError.h"

#include <doctest/doctest.h>

#include <cmath>
#include <cstdint>
#include <vector>

using namespace std::chrono_literals;

TEST_CASE("a pause lasts its count times 100 ns, and always shows what was drawn") {
    const struct {
        const char *speed;
        std::int64_t steps;
        std::chrono::nanoseconds length;
    } rows[] = {
        {"1", 100000, 10ms}, {"10", 1000000, 100ms}, {"20", 2000000, 200ms},
        {"0", 0, 0ms},       {"-1", 0, 0ms},         {"0.000015", 0, 0ms},
    };
    for (const auto &row : rows) {
        CAPTURE(row.speed);
        FakeSettings settings("0", row.speed);
        VirtualPacer pacer;
        PauseTimeline timeline(pacer);
        CHECK(pause(settings, timeline) == row.steps);
        REQUIRE(pacer.waits.size() == 1);
        CHECK(pacer.waits.front().length == row.length);
    }
}

// A count that could never be counted down to exactly 0 ends at once.
TEST_CASE("a pause takes a step for every unit of its count") {
    const struct {
        double count;
        std::int64_t steps;
    } rows[] = {
        {0.0, 0},       {1.0, 1},      {100000.0, 100000}, {9007199254740992.0, 9007199254740992},
        {-100000.0, 0}, {150000.5, 0}, {1e17, 0},          {std::nan(""), 0},
    };
    for (const auto &row : rows) {
        CAPTURE(row.count);
        CHECK(stepsOfPause(row.count) == row.steps);
    }
}

TEST_CASE("an infinite count, or a speed that is not a number, is an error and no wait") {
    const struct {
        const char *speed;
        int error;
    } rows[] = {{"1e304", 6}, {"Spomaleni", 13}};
    for (const auto &row : rows) {
        CAPTURE(row.speed);
        FakeSettings settings("0", row.speed);
        VirtualPacer pacer;
        PauseTimeline timeline(pacer);
        int raised = 0;
        try {
            pause(settings, timeline);
        } catch (const RuntimeError &error) {
            raised = error.number();
        }
        CHECK(raised == row.error);
        CHECK(pacer.waits.empty());
    }
}

TEST_CASE("the speed is read at every pause") {
    FakeSettings settings("0", "1");
    VirtualPacer pacer;
    PauseTimeline timeline(pacer);
    CHECK(pause(settings, timeline) == 100000);
    settings.set(SettingField::nSpomaleni, "3");
    CHECK(pause(settings, timeline) == 300000);
    CHECK(settings.reads(SettingField::nSpomaleni) == 2);
    CHECK(pacer.waits[1].length == 30ms);
    CHECK(pacer.waits[1].start - pacer.waits[0].start == 10ms);
}

// Each pause ends 10 ms after the previous one ended; one whose end passed while the run drew
// ends at once.
TEST_CASE("drawing time comes out of the pauses") {
    const struct {
        std::vector<int> drawingMs; // before each pause of 10 ms
        std::vector<int> waitMs;
    } rows[] = {
        {{0, 0, 0}, {10, 10, 10}},
        {{3, 3, 3}, {7, 7, 7}},
        {{25, 0, 3}, {0, 10, 7}},
    };
    for (const auto &row : rows) {
        FakeSettings settings("0", "1");
        VirtualPacer pacer;
        PauseTimeline timeline(pacer);
        for (const int drawing : row.drawingMs) {
            pacer.advance(drawing * 1ms);
            pause(settings, timeline);
        }
        std::vector<int> waited;
        for (const VirtualPacer::Wait &wait : pacer.waits)
            waited.push_back(
                int(std::chrono::duration_cast<std::chrono::milliseconds>(wait.length).count()));
        CHECK(waited == row.waitMs);
    }
}
