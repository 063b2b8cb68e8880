// The pace of a real run in the Windows program's shown window, under Wine here: its wall time
// beside the time its pauses are meant to last, and the processor time it takes. One line per
// mirror and speed, as the Linux program's pace benchmark prints them:
//   pace windows MIRROR speed=V nominal=N ms measured=M ms cpu=C ms ratio=R

#include "PaceReport.h"
#include "form/Zoom.h"
#include "win32/FormWindow.h"

#include <cwchar>

namespace {

double processCpuMilliseconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto milliseconds = [](const FILETIME &time) {
        return double((ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000;
    };
    return milliseconds(kernel) + milliseconds(user);
}

void measure(frmKymora &form, const char *platform, bool grating, int speed) {
    form.select(grating ? Option::opAno : Option::opNe);
    form.select(speed == 1 ? Option::opRychlá : Option::opPomala);
    measurePace(platform, grating, speed, processCpuMilliseconds,
                [&form] { form.cmdStart_Click(); });
}

// A fresh Wine prefix starts its own services beside the program's first seconds, and a machine
// busy with them is no measure of the program: the window handles its messages until they have
// settled.
void letTheSystemSettle() {
    constexpr ULONGLONG settleMs = 3000;
    const ULONGLONG end = GetTickCount64() + settleMs;
    while (GetTickCount64() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
}

} // namespace

// With /fullscreen the window fills the screen first (windows-fullscreen).
int main() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!FormWindow::registerClass(instance))
        return 1;
    FormWindow window(instance);
    if (!window.handle())
        return 1;
    const bool fullScreen = std::wcsstr(GetCommandLineW(), L"/fullscreen") != nullptr;
    if (fullScreen)
        window.setZoom({zoomMinimum, false, true});
    window.show(SW_SHOWNORMAL);
    letTheSystemSettle();
    // A first run, unmeasured, so that fonts and caches are ready as after any first run.
    window.form().cmdStart_Click();
    for (const bool grating : {true, false})
        for (const int speed : {1, 20})
            measure(window.form(), fullScreen ? "windows-fullscreen" : "windows", grating, speed);
    return 0;
}
