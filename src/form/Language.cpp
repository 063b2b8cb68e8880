#include "form/Language.h"

#include "form/Translation.h"

#include <algorithm>
#include <cctype>

std::string_view spokenLanguageOf(std::string_view tag) {
    const std::string_view language = tag.substr(0, tag.find_first_of("-_.@"));
    const auto sameLetters = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    for (const std::string_view spoken : spokenLanguages())
        if (std::equal(spoken.begin(), spoken.end(), language.begin(), language.end(), sameLetters))
            return spoken;
    return {};
}

std::string_view chooseLanguage(std::string_view asked,
                                std::span<const std::string> userLanguages) {
    if (const std::string_view spoken = spokenLanguageOf(asked); !spoken.empty())
        return spoken;
    for (const std::string &tag : userLanguages)
        if (const std::string_view spoken = spokenLanguageOf(tag); !spoken.empty())
            return spoken;
    return spokenLanguages().front();
}
