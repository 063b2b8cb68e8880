// Asks the running Windows program what the tests cannot see on the screen, as an accessibility
// tool would: which control has the focus, what the hidden settings fields hold, how its window
// lies on the screen and scrolls; and clicks a control by message, as such a tool does.
//
//   kymora_probe focus | fields | geometry | click CONTROL | scroll-to-end
//
// Prints its answer on standard output; ends with 1 when the program's window is not there.

#include "design/WindowDesign.h"
#include "win32/ControlIds.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr UINT replyTimeoutMs = 5000;

std::string utf8(const wchar_t *wide) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), length, nullptr, nullptr);
    text.resize(std::strlen(text.c_str()));
    return text;
}

HWND controlNamed(HWND window, const std::string &name) {
    const ControlDesign *design = findControl(name);
    return design ? GetDlgItem(window, controlId(*design)) : nullptr;
}

void printFocus(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    const ControlDesign *design =
        info.hwndFocus ? controlWithId(GetDlgCtrlID(info.hwndFocus)) : nullptr;
    std::printf("%s\n", design ? std::string(design->name).c_str() : "none");
}

void printFields(HWND window) {
    const char *separator = "";
    for (const char *name : {"nPoloha", "nSpomaleni", "nDifrakce", "nKmitocet"}) {
        wchar_t text[64] = {};
        SendMessageTimeoutW(controlNamed(window, name), WM_GETTEXT, 64,
                            reinterpret_cast<LPARAM>(text), SMTO_NORMAL, replyTimeoutMs, nullptr);
        std::printf("%s%s", separator, utf8(text).c_str());
        separator = " ";
    }
    std::printf("\n");
}

void printGeometry(HWND window) {
    RECT frame, client;
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    POINT clientOrigin{0, 0};
    ClientToScreen(window, &clientOrigin);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT &work = monitor.rcWork;
    std::printf("window %ld %ld %ld %ld\n", frame.left, frame.top, frame.right, frame.bottom);
    std::printf("work %ld %ld %ld %ld\n", work.left, work.top, work.right, work.bottom);
    std::printf("client %ld %ld %ld %ld\n", clientOrigin.x, clientOrigin.y, client.right,
                client.bottom);
}

} // namespace

int wmain(int argc, wchar_t **argv) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    HWND window = FindWindowW(L"frmKymora", nullptr);
    if (!window || argc < 2)
        return 1;
    const std::string command = utf8(argv[1]);
    if (command == "focus")
        printFocus(window);
    else if (command == "fields")
        printFields(window);
    else if (command == "geometry")
        printGeometry(window);
    else if (command == "click" && argc == 3)
        SendMessageTimeoutW(controlNamed(window, utf8(argv[2])), BM_CLICK, 0, 0, SMTO_NORMAL,
                            replyTimeoutMs, nullptr);
    else if (command == "scroll-to-end") {
        SendMessageW(window, WM_HSCROLL, SB_RIGHT, 0);
        SendMessageW(window, WM_VSCROLL, SB_BOTTOM, 0);
    } else
        return 1;
    return 0;
}
