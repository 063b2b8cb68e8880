// Start-up time (process start to window shown and painted) and peak resident memory of the
// Kymora window, beside an empty Qt Widgets window built the same way and beside that window
// with one line of text, run alternately.

#include <QCoreApplication>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

struct Start {
    double milliseconds;
    double peakKilobytes;
};

Start startProbe(const char *program) {
    const auto started = std::chrono::steady_clock::now().time_since_epoch();
    QProcess probe;
    probe.start(QString::fromLocal8Bit(program), {});
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0)
        qFatal("%s did not start", program);
    long long paintedNs = 0;
    long peak = 0;
    for (const QByteArray &line : probe.readAllStandardOutput().split('\n')) {
        if (line.startsWith("painted_ns="))
            paintedNs = line.mid(11).toLongLong();
        if (line.startsWith("maxrss_kb="))
            peak = line.mid(10).toLong();
    }
    const long long startedNs = std::chrono::nanoseconds(started).count();
    return {double(paintedNs - startedNs) / 1e6, double(peak)};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void BM_StartupBesideEmptyWindow(benchmark::State &state) {
    std::vector<double> kymoraTimes, emptyTimes, textTimes, kymoraPeaks, emptyPeaks, textPeaks;
    for (auto _ : state) {
        const Start kymora = startProbe(KYMORA_PROBE);
        const Start empty = startProbe(EMPTY_PROBE);
        const Start text = startProbe(TEXT_PROBE);
        kymoraTimes.push_back(kymora.milliseconds);
        emptyTimes.push_back(empty.milliseconds);
        textTimes.push_back(text.milliseconds);
        kymoraPeaks.push_back(kymora.peakKilobytes);
        emptyPeaks.push_back(empty.peakKilobytes);
        textPeaks.push_back(text.peakKilobytes);
        state.SetIterationTime(kymora.milliseconds / 1000);
    }
    const double kymoraMs = median(kymoraTimes);
    const double emptyMs = median(emptyTimes);
    const double textMs = median(textTimes);
    const double kymoraKb = median(kymoraPeaks);
    const double emptyKb = median(emptyPeaks);
    const double textKb = median(textPeaks);
    state.counters["kymora_ms"] = kymoraMs;
    state.counters["empty_ms"] = emptyMs;
    state.counters["text_ms"] = textMs;
    state.counters["time_ratio"] = kymoraMs / emptyMs;
    state.counters["time_ratio_to_text"] = kymoraMs / textMs;
    state.counters["kymora_peak_MB"] = kymoraKb / 1024;
    state.counters["empty_peak_MB"] = emptyKb / 1024;
    state.counters["text_peak_MB"] = textKb / 1024;
    state.counters["peak_ratio"] = kymoraKb / emptyKb;
    state.counters["peak_ratio_to_text"] = kymoraKb / textKb;
}
BENCHMARK(BM_StartupBesideEmptyWindow)
    ->Iterations(15)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
