#pragma once

#include <chrono>
#include <cstdio>

// One line of the pace benchmarks, the same for both programs, for a script to read:
//   pace PLATFORM MIRROR speed=V nominal=N ms measured=M ms cpu=C ms ratio=R

// How long a run's pauses are meant to last: two a strip, 10 ms for each step of the speed.
inline double nominalPaceMilliseconds(bool grating, int speed) {
    constexpr int pauseMillisecondsPerSpeed = 10;
    const int pauses = grating ? 20 : 40;
    return pauses * speed * pauseMillisecondsPerSpeed;
}

inline void reportPace(const char *platform, bool grating, int speed, double measuredMs,
                       double cpuMs) {
    const double nominal = nominalPaceMilliseconds(grating, speed);
    std::printf("pace %s %s speed=%d nominal=%.0f ms measured=%.1f ms cpu=%.1f ms ratio=%.3f\n",
                platform, grating ? "grating" : "ordinary", speed, nominal, measuredMs, cpuMs,
                measuredMs / nominal);
    std::fflush(stdout);
}

// Times one run, on the monotonic clock and on the process's processor-time clock, and prints
// its line.
template <typename CpuClock, typename Run>
void measurePace(const char *platform, bool grating, int speed, CpuClock cpuMilliseconds, Run run) {
    const double cpuBefore = cpuMilliseconds();
    const auto start = std::chrono::steady_clock::now();
    run();
    const std::chrono::duration<double, std::milli> measured =
        std::chrono::steady_clock::now() - start;
    reportPace(platform, grating, speed, measured.count(), cpuMilliseconds() - cpuBefore);
}
