// The cost of drawing and showing a whole default run in the real window, and its memory across a
// thousand runs.

#include "FormControls.h"
#include "qt/FormWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <fstream>
#include <unistd.h>

namespace {

FormWindow *shownWindow() {
    static FormWindow *window = [] {
        auto *w = new FormWindow;
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            qFatal("the window was not shown");
        return w;
    }();
    return window;
}

// A whole run with the settings after load (far, grating, frequency 2), drawn into the shown
// window, with pauses that last no time: what drawing and showing a run costs.
void BM_DefaultRun(benchmark::State &state) {
    FormWindow *window = shownWindow();
    Controls(*window).nSpomaleni->setText(QStringLiteral("0"));
    for (auto _ : state) {
        window->form().cmdStart_Click();
        QApplication::processEvents();
    }
    Controls(*window).nSpomaleni->setText(QStringLiteral("1"));
}
BENCHMARK(BM_DefaultRun)->Unit(benchmark::kMillisecond);

// The process's resident memory now, in kilobytes.
double residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1024;
}

// A thousand runs in a row leave the memory where it was after the first.
void BM_ThousandRuns(benchmark::State &state) {
    FormWindow *window = shownWindow();
    Controls(*window).nSpomaleni->setText(QStringLiteral("0"));
    window->form().cmdStart_Click();
    QApplication::processEvents();
    const double before = residentKilobytes();
    for (auto _ : state) {
        for (int run = 0; run < 1000; ++run) {
            window->form().cmdStart_Click();
            QApplication::processEvents();
        }
    }
    const double after = residentKilobytes();
    Controls(*window).nSpomaleni->setText(QStringLiteral("1"));
    state.counters["rss_before_MB"] = before / 1024;
    state.counters["rss_after_MB"] = after / 1024;
    state.counters["rss_growth_kB"] = after - before;
}
BENCHMARK(BM_ThousandRuns)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::AddCustomContext("platform", QGuiApplication::platformName().toStdString());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
