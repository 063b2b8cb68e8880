#pragma once

#include <span>
#include <string>
#include <string_view>

// Which language Kymora speaks: the one rule of every front end.

// The spoken language that a language tag names: "cs" for "cs", "CS", "cs-CZ" or
// "cs_CZ.UTF-8"; empty where Kymora does not speak it.
std::string_view spokenLanguageOf(std::string_view tag);

// The language asked for (--lang, ?lang), where there is one; otherwise the first of the
// user's own languages, in their order of preference, that Kymora speaks; otherwise English.
std::string_view chooseLanguage(std::string_view asked, std::span<const std::string> userLanguages);
