// The pace of a real run in the shown window: its wall time beside the time its pauses are meant
// to last, and the processor time it takes. One line per mirror and speed, for a script to read:
//   pace PLATFORM MIRROR speed=V nominal=N ms measured=M ms cpu=C ms ratio=R
// With --fullscreen the window fills the screen first (PLATFORM-fullscreen).

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

void measure(FormWindow &window, const QByteArray &platform, bool grating, int speed) {
    const Controls ui(window);
    (grating ? ui.opAno : ui.opNe)->setChecked(true);
    ui.HScroll1->setValue(speed);
    measurePace(platform.constData(), grating, speed, processCpuMilliseconds,
                [&window] { window.form().cmdStart_Click(); });
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    FormWindow window;
    const Controls ui(window);
    const bool fullScreen = argc > 1 && QByteArray(argv[1]) == "--fullscreen";
    QByteArray platform = QGuiApplication::platformName().toUtf8();
    if (fullScreen) {
        window.setZoom({zoomMinimum, false, true});
        platform += "-fullscreen";
    }
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    if (fullScreen)
        QTest::qWait(500); // until the window has the screen
    // A first run, unmeasured, so that fonts and caches are ready as after any first run.
    ui.HScroll1->setValue(1);
    window.form().cmdStart_Click();
    for (const bool grating : {true, false})
        for (const int speed : {1, 20})
            measure(window, platform, grating, speed);
    return 0;
}
