// The pace of a real run in the Windows program's shown window, under Wine here: its wall time
// beside the time its pauses are meant to last, and the processor time it takes. One line per
// mirror and speed, as the Linux program's pace benchmark prints them:
//   pace windows MIRROR speed=V nominal=N ms measured=M ms cpu=C ms ratio=R

#include "PaceReport.h"
#include "win32/FormWindow.h"

namespace {

double processCpuMilliseconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto milliseconds = [](const FILETIME &time) {
        return double((ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000;
    };
    return milliseconds(kernel) + milliseconds(user);
}

void measure(frmKymora &form, bool grating, int speed) {
    form.select(grating ? Option::opAno : Option::opNe);
    form.select(speed == 1 ? Option::opRychlá : Option::opPomala);
    measurePace("windows", grating, speed, processCpuMilliseconds,
                [&form] { form.cmdStart_Click(); });
}

} // namespace

int main() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!FormWindow::registerClass(instance))
        return 1;
    FormWindow window(instance);
    if (!window.handle())
        return 1;
    window.show(SW_SHOWNORMAL);
    // A first run, unmeasured, so that fonts and caches are ready as after any first run.
    window.form().cmdStart_Click();
    for (const bool grating : {true, false})
        for (const int speed : {1, 20})
            measure(window.form(), grating, speed);
    return 0;
}
