#pragma once

#include <span>
#include <string_view>

// The translations, built into the program from po/*.po by msgfmt and po/embedder.

// The keys of the template's messages, sorted by their bytes: a message's context, the
// character 4, and its English text.
std::span<const std::string_view> translatedKeys();

// A language's translations of the keys, in their order; empty where it has none.
struct EmbeddedCatalogue {
    std::string_view language; // "cs"
    std::span<const std::string_view> translations;
};
std::span<const EmbeddedCatalogue> embeddedCatalogues();
