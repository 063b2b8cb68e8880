#pragma once

#include <array>
#include <optional>
#include <string_view>

// The window's captions. They have no window of their own: they are painted on the drawing
// surface, and a run moves and shows some of them.
enum class Caption {
    labDifrakce,
    labSoucet,
    labDobaLetu,
    labCas,
    labRadiusvektory,
    labDetektor,
    labZdroj,
    labKliknete,
};

inline constexpr int captionCount = 8;

inline constexpr std::array<std::string_view, captionCount> captionNames = {
    "labDifrakce",      "labSoucet",   "labDobaLetu", "labCas",
    "labRadiusvektory", "labDetektor", "labZdroj",    "labKliknete",
};

constexpr std::string_view captionName(Caption caption) {
    return captionNames[static_cast<int>(caption)];
}

// The caption of that name, if there is one.
constexpr std::optional<Caption> captionNamed(std::string_view name) {
    for (int i = 0; i < captionCount; ++i)
        if (captionNames[i] == name)
            return static_cast<Caption>(i);
    return std::nullopt;
}
