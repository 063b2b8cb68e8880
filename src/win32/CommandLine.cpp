#include "win32/CommandLine.h"

#include "win32/Text.h"

#include <windows.h>

#include <shellapi.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr wchar_t programName[] = L"Kymora";

// The arguments in UTF-8, the program's own name first.
std::vector<std::string> arguments() {
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> found;
    for (int i = 0; i < count; ++i)
        found.push_back(i > 0 && std::wstring_view(wide[i]) == L"/?" ? "--help" : toUtf8(wide[i]));
    LocalFree(wide);
    return found;
}

// The user's own languages, in their order of preference.
std::vector<std::string> userLanguages() {
    ULONG count = 0;
    ULONG size = 0;
    std::vector<std::string> languages;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size))
        return languages;
    std::wstring names(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size))
        return languages;
    for (const wchar_t *name = names.c_str(); *name; name += std::wcslen(name) + 1)
        languages.push_back(toUtf8(name));
    return languages;
}

// Writes to the standard stream where there is one; otherwise shows a message box.
void say(DWORD stream, const std::string &text, UINT icon) {
    HANDLE handle = GetStdHandle(stream);
    DWORD written = 0;
    if (handle && handle != INVALID_HANDLE_VALUE &&
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
        return;
    MessageBoxW(nullptr, toWide(text).c_str(), programName, MB_OK | icon);
}

} // namespace

CommandLine answerCommandLine() {
    CommandLine commandLine = readCommandLine(arguments(), userLanguages());
    if (!commandLine.output.empty())
        say(STD_OUTPUT_HANDLE, commandLine.output, MB_ICONINFORMATION);
    if (!commandLine.error.empty())
        say(STD_ERROR_HANDLE, commandLine.error, MB_ICONERROR);
    return commandLine;
}
