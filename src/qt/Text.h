#pragma once

#include <QString>

#include <string_view>

// A text of the program's, in UTF-8, as Qt holds it.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
