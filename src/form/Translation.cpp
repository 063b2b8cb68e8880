#include "form/Translation.h"

#include "form/EmbeddedCatalogues.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr std::string_view english = "en";
// A key joins a message's context to its text with this character, as msgfmt does.
constexpr char contextSeparator = '\x04';

// The language spoken, and its translations of the keys; none for English.
struct Speaking {
    std::string_view language = english;
    std::span<const std::string_view> translations;
};

Speaking &speaking() {
    static Speaking current;
    return current;
}

// Whether a key comes before the key of a context and an English text, byte by byte: the key
// is compared part by part, without being made.
bool comesBefore(std::string_view key, std::string_view context, std::string_view english) {
    for (const std::string_view part : {context, std::string_view(&contextSeparator, 1), english}) {
        const std::string_view own = key.substr(0, part.size());
        if (own != part)
            return own < part;
        key.remove_prefix(own.size());
    }
    return false;
}

// A directive of a format at the start of a text, as C's printf reads those of strings: "%s",
// "%2$s" (the second value, as a translation that reorders them writes it) or "%%".
struct Directive {
    std::size_t length = 0; // none: no directive
    std::size_t value = 0;  // the number of the value, from 1; 0: the next one
    bool isPercent = false;
};

Directive directiveAt(std::string_view text) {
    if (text.starts_with("%%"))
        return {2, 0, true};
    if (text.starts_with("%s"))
        return {2};
    std::size_t number = 0;
    std::size_t at = 1;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        number = number * 10 + std::size_t(text[at] - '0');
    if (text.starts_with('%') && number > 0 && text.substr(at, 2) == "$s")
        return {at + 2, number};
    return {};
}

bool isKeyOf(std::string_view key, std::string_view context, std::string_view english) {
    return key.size() == context.size() + 1 + english.size() && key.starts_with(context) &&
           key[context.size()] == contextSeparator && key.ends_with(english);
}

} // namespace

std::span<const std::string_view> spokenLanguages() {
    static const std::vector<std::string_view> languages = [] {
        std::vector<std::string_view> found{english};
        for (const EmbeddedCatalogue &catalogue : embeddedCatalogues())
            found.push_back(catalogue.language);
        return found;
    }();
    return languages;
}

void speak(std::string_view language) {
    Speaking chosen;
    for (const EmbeddedCatalogue &catalogue : embeddedCatalogues())
        if (catalogue.language == language)
            chosen = {catalogue.language, catalogue.translations};
    speaking() = chosen;
}

std::string_view spokenLanguage() {
    return speaking().language;
}

// The keys are sorted by their bytes: a binary search finds one.
std::string_view translate(std::string_view context, std::string_view english) {
    const std::span<const std::string_view> translations = speaking().translations;
    const std::span<const std::string_view> keys = translatedKeys();
    const auto found = std::partition_point(keys.begin(), keys.end(), [&](std::string_view key) {
        return comesBefore(key, context, english);
    });
    if (translations.empty() || found == keys.end() || !isKeyOf(*found, context, english))
        return english;
    const std::string_view translation = translations[std::size_t(found - keys.begin())];
    return translation.empty() ? english : translation;
}

std::string_view captionOf(const ControlDesign &control) {
    if (control.kind == ControlKind::settingsField)
        return control.caption;
    return translate(control.name, control.caption);
}

std::string filledIn(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string filled;
    std::size_t next = 0; // the value of the next "%s"
    for (std::size_t at = 0; at < text.size();) {
        const Directive directive = directiveAt(text.substr(at));
        if (directive.length == 0) {
            filled.push_back(text[at++]);
            continue;
        }
        if (directive.isPercent) {
            filled.push_back('%');
        } else {
            const std::size_t value = directive.value ? directive.value - 1 : next++;
            // A value that is missing leaves its directive as it is.
            filled.append(value < values.size() ? values.begin()[value]
                                                : text.substr(at, directive.length));
        }
        at += directive.length;
    }
    return filled;
}

std::string quoted(std::string_view text) {
    // TRANSLATORS: a value or a name quoted in a refusal of the command line, as in
    // 'bad value "up" for detector': the language's own quotation marks around it.
    return filledIn(translate("refusal", "\"%s\""), {text});
}

std::string_view pictureName() {
    // TRANSLATORS: the picture's name, as screen readers say it.
    return translate("accessible name", "Demonstration");
}

std::string_view speedBarName() {
    // TRANSLATORS: the speed scroll bar's name, as screen readers say it.
    return translate("accessible name", "Animation speed");
}

std::string errorMessage(const RuntimeError &error) {
    // TRANSLATORS: what the error dialog says of an error of a run, as the description
    // RuntimeError gives it: marked here, where the form translates them.
    [[maybe_unused]] constexpr std::array descriptions = {NC_("error", "Type mismatch"),
                                                          NC_("error", "Overflow")};
    return filledIn(translate("error", "Run-time error '%s':"), {std::to_string(error.number())}) +
           "\n\n" + std::string(translate("error", error.what()));
}

// Written by hand: the C library's conversions follow the locale that a toolkit may set.
std::string decimalNumber(double value) {
    const long long tenths = std::llround(std::abs(value) * 10);
    // TRANSLATORS: the decimal separator of numbers such as 165.1.
    const std::string_view separator = translate("number", ".");
    std::string text = value < 0 && tenths != 0 ? "-" : "";
    text += std::to_string(tenths / 10);
    text += separator;
    text += std::to_string(tenths % 10);
    return text;
}
