#include "form/CommandLine.h"

#include "ProgramInfo.h"
#include "form/Keys.h"
#include "form/Language.h"
#include "form/TextColumns.h"
#include "form/Translation.h"

#include <getopt.h>

#include <algorithm>
#include <functional>

namespace {

constexpr int badCommandLineExitCode = 2;
constexpr char helpKey = 'h';
constexpr char versionKey = 'v';
// getopt_long's own answers: an option it does not know, or one whose value is missing or not
// wanted.
constexpr char unknownKey = '?';
constexpr char missingValueKey = ':';
// The settings' keys, in the order of the set-up's table, after every character's.
constexpr int firstSettingKey = 256;

// What the program answers without a window, as its help lists it.
struct Answer {
    char key;
    std::string_view name;
    std::string_view meaning;
};
constexpr Answer answers[] = {
    {helpKey, "help", NC_("help", "Shows this help and ends.")},
    {versionKey, "version", NC_("help", "Shows the version and ends.")},
};

// TRANSLATORS: the first lines of --help.
constexpr std::string_view description =
    NC_("help", "Shows, strip by strip, how light reaches a detector by way of a mirror when every "
                "path is counted");
static_assert(description == KYMORA_DESCRIPTION, "the project's description, as CMake has it");

// The program's file name, without its folder: "kymora", or "kymora.exe" on Windows.
std::string programName(const std::vector<std::string> &arguments) {
    if (arguments.empty())
        return "kymora";
    const std::string &path = arguments.front();
    return path.substr(path.find_last_of("/\\") + 1);
}

std::string helpText(const std::string &program) {
    // TRANSLATORS: what a setting of --help is given, as in "--detector <value>".
    const std::string value = " " + std::string(translate("help", "<value>"));
    std::vector<std::pair<std::string, std::string>> lines;
    for (const Answer &answer : answers)
        lines.emplace_back("-" + std::string(1, answer.key) + ", --" + std::string(answer.name),
                           translate("help", answer.meaning));
    for (const OutsideSetting &setting : outsideSettings())
        lines.emplace_back("--" + std::string(setting.name) + (setting.takesNoValue ? "" : value),
                           helpOf(setting));
    return filledIn(translate("help", "Usage: %s [options]"), {program}) + "\n" +
           std::string(translate("help", description)) + "\n\n" +
           std::string(translate("help", "Options:")) + "\n" + inTwoColumns(lines, "  ") + "\n" +
           std::string(translate("help", "Keys:")) + "\n" + keysInWords("  ");
}

CommandLine answered(std::string text) {
    CommandLine commandLine;
    commandLine.exitCode = 0;
    commandLine.output = std::move(text);
    return commandLine;
}

CommandLine refused(const std::string &why) {
    CommandLine commandLine;
    commandLine.exitCode = badCommandLineExitCode;
    commandLine.error = "kymora: " + why + "\n";
    return commandLine;
}

// The name in an option that getopt_long did not take: "color" in "--color=red".
std::string nameIn(std::string_view argument) {
    argument.remove_prefix(std::min(argument.find_first_not_of('-'), argument.size()));
    return std::string(argument.substr(0, argument.find('=')));
}

const OutsideSetting &settingOf(int key) {
    return outsideSettings()[std::size_t(key - firstSettingKey)];
}

// getopt_long's table: the answers, then the settings, each of which takes a value.
class OptionTable {
public:
    OptionTable() {
        for (const Answer &answer : answers)
            names_.emplace_back(answer.name);
        for (const OutsideSetting &setting : outsideSettings())
            names_.emplace_back(setting.name);
        for (std::size_t i = 0; i < names_.size(); ++i) {
            const bool isAnswer = i < std::size(answers);
            const int key =
                isAnswer ? answers[i].key : firstSettingKey + int(i - std::size(answers));
            const bool takesValue = !isAnswer && !settingOf(key).takesNoValue;
            options_.push_back(
                {names_[i].c_str(), takesValue ? required_argument : no_argument, nullptr, key});
        }
        options_.push_back({nullptr, 0, nullptr, 0});
    }
    const option *options() const { return options_.data(); }

private:
    std::vector<std::string> names_;
    std::vector<option> options_;
};

} // namespace

CommandLine readCommandLine(const std::vector<std::string> &arguments,
                            std::span<const std::string> userLanguages) {
    // getopt_long moves the arguments that are no options to the end: it gets copies.
    std::vector<std::string> copies = arguments;
    if (copies.empty())
        copies.push_back(programName(arguments));
    std::vector<char *> argv;
    for (std::string &argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int argc = int(copies.size());
    const OptionTable table;
    const std::string shortOptions = {missingValueKey, helpKey, versionKey};

    // The first answer or refusal decides; it is written once the language is known, which the
    // rest of the line may still ask for.
    CommandLine commandLine;
    std::function<CommandLine()> decided;
    const auto decide = [&decided](std::function<CommandLine()> decision) {
        if (!decided)
            decided = std::move(decision);
    };
    // A wrong setting is refused as the set-up words its first wrong one.
    const auto refuseSetup = [&commandLine] { return refused(commandLine.setup.refusal()); };
    const auto chooseOrRefuse = [&](std::string_view name, std::string_view value) {
        if (!commandLine.setup.choose(name, value).empty())
            decide(refuseSetup);
    };
    opterr = 0; // it says nothing itself
    optind = 0; // and starts afresh
    for (int key; (key = getopt_long(argc, argv.data(), shortOptions.c_str(), table.options(),
                                     nullptr)) != -1;) {
        if (key == helpKey) {
            decide([&arguments] { return answered(helpText(programName(arguments))); });
        } else if (key == versionKey) {
            decide([] { return answered("Kymora " KYMORA_VERSION_TEXT "\n"); });
        } else if (key == unknownKey || key == missingValueKey) {
            // Which of the two getopt_long answers depends on the C library: optopt tells.
            const std::string given = argv[optind - 1];
            if (optopt == helpKey || optopt == versionKey ||
                (optopt >= firstSettingKey && settingOf(optopt).takesNoValue))
                decide([given] {
                    return refused(
                        filledIn(translate("refusal", "--%s takes no value"), {nameIn(given)}));
                });
            else if (optopt >= firstSettingKey) // its value is missing
                chooseOrRefuse(settingOf(optopt).name, "");
            else // an option the program does not know, named with the ones it knows
                chooseOrRefuse(optopt ? std::string(1, char(optopt)) : nameIn(given), "");
        } else {
            chooseOrRefuse(settingOf(key).name, optarg ? optarg : "");
        }
    }
    if (optind < argc) {
        const std::string unexpected = argv[optind];
        decide([unexpected] {
            return refused(filledIn(translate("refusal", "unexpected argument %s: the settings "
                                                         "are given as --name=value (see --help)"),
                                    {quoted(unexpected)}));
        });
    }
    commandLine.language = chooseLanguage(commandLine.setup.language(), userLanguages);
    speak(commandLine.language);
    if (decided) {
        CommandLine answer = decided();
        answer.language = commandLine.language;
        return answer;
    }
    return commandLine;
}
