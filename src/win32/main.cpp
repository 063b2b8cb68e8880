#include "win32/CommandLine.h"
#include "win32/FormWindow.h"

#include <commctrl.h>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const CommandLine commandLine = answerCommandLine();
    if (commandLine.exitCode)
        return *commandLine.exitCode;
    const INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    if (!FormWindow::registerClass(instance))
        return 1;
    FormWindow window(instance);
    if (!window.handle())
        return 1;
    window.form().apply(commandLine.setup);
    window.setZoom(commandLine.setup.zoom());
    window.show(show);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        window.handle(message);
    return static_cast<int>(message.wParam);
}
