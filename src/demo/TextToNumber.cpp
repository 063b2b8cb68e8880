#include "demo/TextToNumber.h"

#include "demo/RuntimeError.h"

#include <cctype>
#include <charconv>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Skips a run of digits from pos and returns how many there were.
std::size_t skipDigits(std::string_view text, std::size_t &pos) {
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos - start;
}

bool isSign(std::string_view text, std::size_t pos) {
    return pos < text.size() && (text[pos] == '+' || text[pos] == '-');
}

// True when the text is a decimal number with nothing before or after it.
bool isDecimalNumber(std::string_view text) {
    std::size_t pos = 0;
    if (isSign(text, pos))
        ++pos;
    std::size_t digits = skipDigits(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        digits += skipDigits(text, pos);
    }
    if (digits == 0)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (isSign(text, pos))
            ++pos;
        if (skipDigits(text, pos) == 0)
            return false;
    }
    return pos == text.size();
}

} // namespace

double textToNumber(std::string_view text) {
    text = trimBlanks(text);
    if (!isDecimalNumber(text))
        throw RuntimeError::typeMismatch();
    // from_chars takes no leading '+'.
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        throw RuntimeError::overflow();
    if (error != std::errc() || end != text.data() + text.size())
        throw RuntimeError::typeMismatch();
    return value;
}
