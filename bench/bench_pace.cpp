// The pace of a real run in the shown window: its wall time beside the time its pauses are meant
// to last, and the processor time it takes. One line per mirror and speed, for a script to read:
//   pace PLATFORM MIRROR speed=V nominal=N ms measured=M ms cpu=C ms ratio=R

#include "FormControls.h"
#include "PaceReport.h"
#include "qt/FormWindow.h"

#include <QApplication>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <ctime>

namespace {

double processCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000 + double(now.tv_nsec) / 1e6;
}

void measure(FormWindow &window, bool grating, int speed) {
    const Controls ui(window);
    (grating ? ui.opAno : ui.opNe)->setChecked(true);
    ui.HScroll1->setValue(speed);
    measurePace(qPrintable(QGuiApplication::platformName()), grating, speed, processCpuMilliseconds,
                [&window] { window.form().cmdStart_Click(); });
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    FormWindow window;
    const Controls ui(window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    // A first run, unmeasured, so that fonts and caches are ready as after any first run.
    ui.HScroll1->setValue(1);
    window.form().cmdStart_Click();
    for (const bool grating : {true, false})
        for (const int speed : {1, 20})
            measure(window, grating, speed);
    return 0;
}
