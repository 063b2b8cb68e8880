#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The characters of a text in UTF-8, as a terminal gives each a column: the bytes that start one.
inline std::size_t columnsOf(std::string_view text) {
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Lines of two columns, the first padded to its widest, each line indented: as --help lists.
inline std::string inTwoColumns(const std::vector<std::pair<std::string, std::string>> &lines,
                                std::string_view indent) {
    std::size_t width = 0;
    for (const auto &line : lines)
        width = std::max(width, columnsOf(line.first));
    std::string text;
    for (const auto &[first, second] : lines)
        text += std::string(indent) + first + std::string(width - columnsOf(first) + 2, ' ') +
                second + "\n";
    return text;
}
