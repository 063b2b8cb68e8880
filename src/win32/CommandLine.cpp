#include "win32/CommandLine.h"

#include "win32/Text.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

constexpr int badCommandLineExitCode = 2;
constexpr wchar_t programName[] = L"Kymora";

std::vector<std::string> arguments() {
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> found;
    for (int i = 1; i < count; ++i)
        found.push_back(toUtf8(wide[i]));
    LocalFree(wide);
    return found;
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

std::string helpText() {
    std::string text = "Usage: kymora [options]\n" KYMORA_DESCRIPTION "\n\nOptions:\n"
                       "  /?, -h, --help       Shows this help and ends.\n"
                       "  -v, --version        Shows the version and ends.\n";
    for (const OutsideSetting &setting : outsideSettings()) {
        std::string option = "  --" + std::string(setting.name) + " <value>";
        option.resize(23, ' ');
        text += option + helpOf(setting) + "\n";
    }
    return text;
}

CommandLine answered(const std::string &text) {
    say(STD_OUTPUT_HANDLE, text, MB_ICONINFORMATION);
    return {OutsideSetup(), 0};
}

CommandLine refused(const std::string &why) {
    say(STD_ERROR_HANDLE, "kymora: " + why + "\n", MB_ICONERROR);
    return {OutsideSetup(), badCommandLineExitCode};
}

} // namespace

// GNU style, as on Linux: --name=value or --name value; and /? for help, as Windows has it.
CommandLine readCommandLine() {
    const std::vector<std::string> given = arguments();
    CommandLine commandLine;
    for (std::size_t i = 0; i < given.size(); ++i) {
        const std::string &argument = given[i];
        if (argument == "/?" || argument == "-h" || argument == "--help")
            return answered(helpText());
        if (argument == "-v" || argument == "--version")
            return answered("Kymora " KYMORA_VERSION_TEXT "\n");
        if (argument.rfind("--", 0) != 0)
            return refused("unexpected argument \"" + argument +
                           "\": the settings are given as --name=value (see --help)");
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(2, equals - 2);
        std::string value;
        if (equals != std::string::npos)
            value = argument.substr(equals + 1);
        else if (i + 1 < given.size())
            value = given[++i];
        else
            return refused("Missing value after '--" + name + "'.");
        const std::string wrong = commandLine.setup.choose(name, value);
        if (!wrong.empty())
            return refused(wrong);
    }
    return commandLine;
}
