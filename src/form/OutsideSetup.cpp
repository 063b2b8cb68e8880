#include "form/OutsideSetup.h"

#include "design/WindowDesign.h"
#include "form/Language.h"
#include "form/Translation.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

constexpr std::string_view speedName = "speed";
constexpr std::string_view languageName = "lang";

struct OptionValue {
    std::string_view value;
    Option option;
};

// The settings chosen by an option button, and the values that choose each button.
struct OptionSetting {
    OutsideSetting setting;
    std::array<OptionValue, 2> values;
};

constexpr std::array<OptionSetting, 3> optionSettings = {{
    {{"detector", "the detector's position", "near or far"},
     {{{"near", Option::opBlízko}, {"far", Option::opDaleko}}}},
    {{"mirror", "the mirror", "grating or ordinary"},
     {{{"grating", Option::opAno}, {"ordinary", Option::opNe}}}},
    {{"frequency", "the light's frequency", "1 or 2"}, {{{"1", Option::op1}, {"2", Option::op2}}}},
}};

// "en, cs, de or uk": the languages spoken.
std::string listedLanguages() {
    std::string listed;
    const std::span<const std::string_view> languages = spokenLanguages();
    for (std::size_t i = 0; i < languages.size(); ++i)
        listed += std::string(i == 0 ? "" : i + 1 == languages.size() ? " or " : ", ") +
                  std::string(languages[i]);
    return listed;
}

const std::array<OutsideSetting, 5> &allSettings() {
    static const std::string languages = listedLanguages();
    static const std::array<OutsideSetting, 5> settings = {{
        optionSettings[0].setting,
        optionSettings[1].setting,
        optionSettings[2].setting,
        {speedName, "the animation's speed, slowest at 20", "1 to 20"},
        {languageName, "the language", languages},
    }};
    return settings;
}

std::string quoted(std::string_view text) {
    std::string result(1, '"');
    result.append(text).push_back('"');
    return result;
}

std::string badValue(const OutsideSetting &setting, std::string_view value) {
    return "bad value " + quoted(value) + " for " + std::string(setting.name) + ": use " +
           std::string(setting.values);
}

// A whole number written in decimal digits alone.
std::optional<int> wholeNumber(std::string_view text) {
    int number = 0;
    const char *end = text.data() + text.size();
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    if (std::from_chars(text.data(), end, number).ptr != end)
        return std::nullopt;
    return number;
}

} // namespace

std::span<const OutsideSetting> outsideSettings() {
    return allSettings();
}

std::string helpOf(const OutsideSetting &setting) {
    return "Chooses " + std::string(setting.meaning) + ": " + std::string(setting.values) + ".";
}

std::string OutsideSetup::choose(std::string_view name, std::string_view value) {
    for (const OptionSetting &setting : optionSettings) {
        if (setting.setting.name != name)
            continue;
        for (const OptionValue &choice : setting.values)
            if (choice.value == value) {
                options_.push_back(choice.option);
                return {};
            }
        return badValue(setting.setting, value);
    }
    if (name == speedName) {
        const std::optional<int> speed = wholeNumber(value);
        if (!speed || *speed < speedMinimum || *speed > speedMaximum)
            return badValue(allSettings()[3], value);
        speed_ = speed;
        return {};
    }
    if (name == languageName) {
        const std::string_view spoken = spokenLanguageOf(value);
        if (spoken.empty())
            return badValue(allSettings().back(), value);
        language_ = spoken;
        return {};
    }
    std::string known;
    for (const OutsideSetting &setting : allSettings())
        known += (known.empty()                       ? ""
                  : &setting == &allSettings().back() ? " and "
                                                      : ", ") +
                 std::string(setting.name);
    return "unknown setting " + quoted(name) + ": the settings are " + known;
}
