// Asks the running Windows program what the tests cannot see on the screen, as an accessibility
// tool would: which control has the focus, what the hidden settings fields hold, how its window
// lies on the screen and scrolls; and clicks a control by message, as such a tool does.
//
//   kymora_probe focus | fields | caption CONTROL | notice | geometry | click CONTROL |
//                scroll-to-end | run-and-listen | set-text CONTROL TEXT | dpi DPI |
//                colours [COLOUR...] | high-contrast on|off
//
// notice prints the held run's notice, as a screen reader reads it, and nothing while none is
// shown.
//
// run-and-listen presses Start and prints the accessible name that the program's next name
// change gives, as a screen reader hears it through a WinEvent hook.
//
// colours prints the system's colours that the program reads, as systemColourNames() lists them,
// each as six hexadecimal digits, RRGGBB; given as many, it sets them (SetSysColors), as a
// contrast theme does.
//
// high-contrast turns the system's high contrast on or off, as a contrast theme does: by
// SPI_SETHIGHCONTRAST, which tells every window. Wine (8) keeps no such setting, and its call
// fails: the probe then keeps it where Windows does, in the registry, for Wine's session, and
// tells every window as Windows would.
//
// Prints its answer on standard output; ends with 1 when the program's window is not there.

#include "design/ColourProfiles.h"
#include "design/WindowDesign.h"
#include "win32/ControlIds.h"

#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

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

std::string textOf(HWND window, const std::string &name) {
    wchar_t text[256] = {};
    SendMessageTimeoutW(controlNamed(window, name), WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text),
                        SMTO_NORMAL, replyTimeoutMs, nullptr);
    return utf8(text);
}

void printNotice(HWND window) {
    HWND notice = GetDlgItem(window, noticeId);
    wchar_t text[256] = {};
    if (notice && IsWindowVisible(notice))
        SendMessageTimeoutW(notice, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                            replyTimeoutMs, nullptr);
    std::printf("%s\n", utf8(text).c_str());
}

void printFields(HWND window) {
    const char *separator = "";
    for (const char *name : {"nPoloha", "nSpomaleni", "nDifrakce", "nKmitocet"}) {
        std::printf("%s%s", separator, textOf(window, name).c_str());
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

std::string heardName;

void CALLBACK noteNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                             DWORD) {
    IAccessible *accessible = nullptr;
    VARIANT id;
    if (FAILED(AccessibleObjectFromEvent(window, object, child, &accessible, &id)))
        return;
    BSTR name = nullptr;
    if (accessible->get_accName(id, &name) == S_OK && name) {
        heardName = utf8(name);
        SysFreeString(name);
    }
    accessible->Release();
}

// Presses Start and waits, at most a minute, for the name change that tells what the run showed.
bool runAndListen(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    CoInitialize(nullptr);
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                         noteNameChange, process, 0, WINEVENT_OUTOFCONTEXT);
    PostMessageW(controlNamed(window, "cmdStart"), BM_CLICK, 0, 0);
    const ULONGLONG end = GetTickCount64() + 60000;
    while (heardName.empty() && GetTickCount64() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    UnhookWinEvent(hook);
    std::printf("%s\n", heardName.c_str());
    return !heardName.empty();
}

// As RRGGBB, the way a person writes a colour.
void printColours() {
    const char *separator = "";
    for (const SystemColourName &name : systemColourNames()) {
        const COLORREF c = GetSysColor(name.windowsIndex);
        std::printf("%s%02X%02X%02X", separator, GetRValue(c), GetGValue(c), GetBValue(c));
        separator = " ";
    }
    std::printf("\n");
}

bool setColours(int count, wchar_t **given) {
    std::vector<int> indexes;
    std::vector<COLORREF> values;
    for (const SystemColourName &name : systemColourNames())
        indexes.push_back(name.windowsIndex);
    if (count != int(indexes.size()))
        return false;
    for (int i = 0; i < count; ++i) {
        const unsigned long rgb = std::wcstoul(given[i], nullptr, 16);
        values.push_back(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    }
    return SetSysColors(count, indexes.data(), values.data());
}

bool setHighContrast(bool on) {
    HIGHCONTRASTW contrast{sizeof(contrast), on ? DWORD(HCF_HIGHCONTRASTON) : 0, nullptr};
    if (SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof(contrast), &contrast, SPIF_SENDCHANGE))
        return true;
    // Volatile: gone when Wine's session ends, as a setting made without SPIF_UPDATEINIFILE is.
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Accessibility\\HighContrast", 0,
                        nullptr, REG_OPTION_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring flags = std::to_wstring(contrast.dwFlags);
    RegSetValueExW(key, L"Flags", 0, REG_SZ, reinterpret_cast<const BYTE *>(flags.c_str()),
                   DWORD((flags.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, SMTO_ABORTIFHUNG,
                        replyTimeoutMs, nullptr);
    return true;
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
    else if (command == "caption" && argc == 3)
        std::printf("%s\n", textOf(window, utf8(argv[2])).c_str());
    else if (command == "notice")
        printNotice(window);
    else if (command == "geometry")
        printGeometry(window);
    else if (command == "set-text" && argc == 4)
        SendMessageTimeoutW(controlNamed(window, utf8(argv[2])), WM_SETTEXT, 0,
                            reinterpret_cast<LPARAM>(argv[3]), SMTO_NORMAL, replyTimeoutMs,
                            nullptr);
    else if (command == "dpi" && argc == 3) {
        // As Windows tells a window moved to a monitor of another resolution: its new DPI, and
        // a window rectangle scaled to it.
        const int dpi = _wtoi(argv[2]);
        RECT frame;
        GetWindowRect(window, &frame);
        const UINT now = GetDpiForWindow(window);
        frame.right = frame.left + MulDiv(frame.right - frame.left, dpi, int(now));
        frame.bottom = frame.top + MulDiv(frame.bottom - frame.top, dpi, int(now));
        // The rectangle goes where the program can read it: into its own memory.
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, id);
        void *remote = VirtualAllocEx(process, nullptr, sizeof(frame), MEM_COMMIT, PAGE_READWRITE);
        WriteProcessMemory(process, remote, &frame, sizeof(frame), nullptr);
        SendMessageTimeoutW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                            reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, replyTimeoutMs, nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
        CloseHandle(process);
    } else if (command == "click" && argc == 3)
        SendMessageTimeoutW(controlNamed(window, utf8(argv[2])), BM_CLICK, 0, 0, SMTO_NORMAL,
                            replyTimeoutMs, nullptr);
    else if (command == "run-and-listen")
        return runAndListen(window) ? 0 : 1;
    else if (command == "colours" && argc == 2)
        printColours();
    else if (command == "colours")
        return setColours(argc - 2, argv + 2) ? 0 : 1;
    else if (command == "high-contrast" && argc == 3)
        return setHighContrast(std::wstring_view(argv[2]) == L"on") ? 0 : 1;
    else if (command == "scroll-to-end") {
        SendMessageW(window, WM_HSCROLL, SB_RIGHT, 0);
        SendMessageW(window, WM_VSCROLL, SB_BOTTOM, 0);
    } else
        return 1;
    return 0;
}
