#include "form/OutsideSetup.h"

#include "design/ColourProfiles.h"
#include "design/WindowDesign.h"
#include "form/Language.h"
#include "form/Translation.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

constexpr std::string_view speedName = "speed";
constexpr std::string_view languageName = "lang";
constexpr std::string_view zoomName = "zoom";
constexpr std::string_view fullScreenName = "fullscreen";
constexpr std::string_view coloursName = "colours";
// The zoom that fills the window with the form.
constexpr std::string_view fitValue = "fit";

struct OptionValue {
    std::string_view value;
    Option option;
};

// The settings chosen by an option button, and the values that choose each button.
struct OptionSetting {
    OutsideSetting setting;
    std::array<OptionValue, 2> values;
};

// TRANSLATORS: what each setting of the command line chooses, as its line in --help says:
// "Chooses the detector's position: near or far."
constexpr std::array<OptionSetting, 3> optionSettings = {{
    {{"detector", NC_("help", "the detector's position")},
     {{{"near", Option::opBlízko}, {"far", Option::opDaleko}}}},
    {{"mirror", NC_("help", "the mirror")},
     {{{"grating", Option::opAno}, {"ordinary", Option::opNe}}}},
    {{"frequency", NC_("help", "the light's frequency")},
     {{{"1", Option::op1}, {"2", Option::op2}}}},
}};

constexpr std::array<OutsideSetting, 8> allSettings = {{
    optionSettings[0].setting,
    optionSettings[1].setting,
    optionSettings[2].setting,
    {speedName, NC_("help", "the animation's speed, slowest at 20")},
    {languageName, NC_("help", "the language")},
    // TRANSLATORS: "fit" fills the window with the form, and stays as it is.
    {zoomName, NC_("help", "the zoom in percent, or fit to fill the window")},
    // TRANSLATORS: the whole line of --fullscreen in --help.
    {fullScreenName, NC_("help", "Opens the window full screen."), true},
    // TRANSLATORS: the colours the window and its picture are shown in.
    {coloursName, NC_("help", "the colours")},
}};

// "a, b or c", or with another last word, in the language spoken.
std::string listed(std::span<const std::string_view> items, std::string_view lastTwo) {
    std::string first;
    for (std::size_t i = 0; i + 1 < items.size(); ++i)
        first += (i == 0 ? "" : ", ") + std::string(items[i]);
    return items.size() < 2 ? std::string(items.empty() ? "" : items.front())
                            : filledIn(lastTwo, {first, items.back()});
}

// The values a setting takes, in words: "near or far", "1 to 20". The values themselves are
// never translated.
std::string valuesOf(std::string_view name) {
    // TRANSLATORS: the last two of a list of values a setting takes: "near or far"; the
    // values stay as they are.
    const std::string_view orLast = translate("values", "%s or %s");
    for (const OptionSetting &setting : optionSettings)
        if (setting.setting.name == name)
            return listed(std::array{setting.values[0].value, setting.values[1].value}, orLast);
    const auto range = [](int minimum, int maximum) {
        return filledIn(translate("values", "%s to %s"),
                        {std::to_string(minimum), std::to_string(maximum)});
    };
    if (name == speedName)
        return range(speedMinimum, speedMaximum);
    if (name == zoomName) {
        const std::string percent = range(zoomMinimum, zoomMaximum);
        return listed(std::array<std::string_view, 2>{fitValue, percent}, orLast);
    }
    if (name == coloursName)
        return listed(colourProfileNames(), orLast);
    return listed(spokenLanguages(), orLast);
}

std::string badValue(std::string_view name, std::string_view value) {
    return filledIn(translate("refusal", "bad value %s for %s: use %s"),
                    {quoted(value), name, valuesOf(name)});
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
    return allSettings;
}

std::string helpOf(const OutsideSetting &setting) {
    if (setting.takesNoValue)
        return std::string(translate("help", setting.meaning));
    return filledIn(translate("help", "Chooses %s: %s."),
                    {translate("help", setting.meaning), valuesOf(setting.name)});
}

std::string setupQuery(const Settings &settings, std::string_view language, const Zoom &zoom,
                       std::optional<ColourProfile> colours) {
    std::string query;
    const auto add = [&query](std::string_view name, std::string_view value) {
        query += (query.empty() ? "" : "&") + std::string(name) + "=" + std::string(value);
    };
    for (const OptionSetting &setting : optionSettings)
        for (const OptionValue &choice : setting.values) {
            const FixedWrite write = writeOf(choice.option);
            if (settings.text(write.field) == write.text)
                add(setting.setting.name, choice.value);
        }
    const std::string speed = settings.text(SettingField::nSpomaleni);
    if (const std::optional<int> value = wholeNumber(speed);
        value && *value >= speedMinimum && *value <= speedMaximum)
        add(speedName, speed);
    add(languageName, language);
    const bool fits = zoom.fillsWindow || zoom.fullScreen;
    add(zoomName, fits ? std::string(fitValue) : std::to_string(zoom.percent));
    if (colours)
        add(coloursName, nameOf(*colours));
    return query;
}

std::string OutsideSetup::choose(std::string_view name, std::string_view value) {
    std::string wrong = take(name, value);
    if (!wrong.empty() && !firstWrong_)
        firstWrong_.emplace(name, value);
    return wrong;
}

std::string OutsideSetup::refusal() const {
    return firstWrong_ ? OutsideSetup().take(firstWrong_->first, firstWrong_->second)
                       : std::string();
}

std::string OutsideSetup::take(std::string_view name, std::string_view value) {
    for (const OptionSetting &setting : optionSettings) {
        if (setting.setting.name != name)
            continue;
        for (const OptionValue &choice : setting.values)
            if (choice.value == value) {
                options_.push_back(choice.option);
                return {};
            }
        return badValue(name, value);
    }
    if (name == speedName) {
        const std::optional<int> speed = wholeNumber(value);
        if (!speed || *speed < speedMinimum || *speed > speedMaximum)
            return badValue(name, value);
        speed_ = speed;
        return {};
    }
    if (name == languageName) {
        const std::string_view spoken = spokenLanguageOf(value);
        if (spoken.empty())
            return badValue(name, value);
        language_ = spoken;
        return {};
    }
    if (name == zoomName) {
        const std::optional<int> percent = wholeNumber(value);
        if (value == fitValue)
            zoom_.fillsWindow = true;
        else if (percent && *percent >= zoomMinimum && *percent <= zoomMaximum)
            zoom_ = {*percent, false, zoom_.fullScreen};
        else
            return badValue(name, value);
        return {};
    }
    if (name == fullScreenName) {
        if (!value.empty())
            return filledIn(translate("refusal", "--%s takes no value"), {name});
        zoom_.fullScreen = true;
        return {};
    }
    if (name == coloursName) {
        const std::optional<ColourProfile> profile = colourProfileNamed(value);
        if (!profile)
            return badValue(name, value);
        colours_ = profile;
        return {};
    }
    std::array<std::string_view, allSettings.size()> names;
    std::transform(allSettings.begin(), allSettings.end(), names.begin(),
                   [](const OutsideSetting &setting) { return setting.name; });
    // TRANSLATORS: the last two of the list of settings: "speed and lang".
    return filledIn(translate("refusal", "unknown setting %s: the settings are %s"),
                    {quoted(name), listed(names, translate("values", "%s and %s"))});
}
