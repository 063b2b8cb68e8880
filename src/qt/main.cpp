#include "form/CommandLine.h"
#include "form/Translation.h"
#include "qt/ApplicationInfo.h"
#include "qt/FormWindow.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int noDisplayExitCode = 2;

// Why the program ends without a window, in the language spoken.
std::string noDisplayMessage() {
    // TRANSLATORS: the program's last line where it finds no display to open its window on;
    // xvfb-run is a program's name.
    const std::string_view why = translate("refusal", "cannot open the window: no display could be "
                                                      "reached (without a desktop, run it under "
                                                      "xvfb-run)");
    return "kymora: " + std::string(why) + "\n";
}

QtMessageHandler defaultMessageHandler = nullptr;

bool isSet(const char *name) {
    const char *value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// The window system a Qt program would use, when none is named, is the X server or Wayland
// compositor of the session.
bool displayCanBeReached() {
    if (isSet("QT_QPA_PLATFORM"))
        return true;
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

// A window system that cannot be reached is a fatal message in Qt, which would abort with a
// core dump: say so in one line and end instead.
void endOnFatalMessage(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type != QtFatalMsg) {
        defaultMessageHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
    std::fputs(noDisplayMessage().c_str(), stderr);
    std::_Exit(noDisplayExitCode);
}

// The user's own languages, in their order of preference, as the system gives them: on Linux
// from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
std::vector<std::string> userLanguages() {
    std::vector<std::string> languages;
    for (const QString &language : QLocale::system().uiLanguages())
        languages.push_back(language.toStdString());
    return languages;
}

// Writes what the command line answered: the help or the version, or what is wrong.
void say(const CommandLine &commandLine) {
    std::fputs(commandLine.output.c_str(), stdout);
    std::fputs(commandLine.error.c_str(), stderr);
}

} // namespace

// The command line is read before any window system is asked for: --help and --version answer
// in a terminal without a display.
int main(int argc, char *argv[]) {
    const CommandLine commandLine =
        readCommandLine(std::vector<std::string>(argv, argv + argc), userLanguages());
    say(commandLine);
    if (commandLine.exitCode)
        return *commandLine.exitCode;
    if (!displayCanBeReached()) {
        std::fputs(noDisplayMessage().c_str(), stderr);
        return noDisplayExitCode;
    }
    defaultMessageHandler = qInstallMessageHandler(endOnFatalMessage);
    QApplication app(argc, argv);
    describeApplication();

    FormWindow window;
    window.form().apply(commandLine.setup);
    window.setZoom(commandLine.setup.zoom());
    window.show();
    return QApplication::exec();
}
