#include "demo/TextToNumber.h"

#include "demo/RuntimeError.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

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

// The C library's conversion, correctly rounded on every platform, given the text with the
// decimal point of the library's locale in place of '.'. A result too large for a double, or
// too small to be told from 0, is out of its range; a subnormal one is not.
double readDecimal(std::string_view decimal) {
    std::string text(decimal);
    std::replace(text.begin(), text.end(), '.', *std::localeconv()->decimal_point);
    errno = 0;
    char *end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (errno == ERANGE && (std::isinf(value) || value == 0))
        throw RuntimeError::overflow();
    if (end != text.c_str() + text.size())
        throw RuntimeError::typeMismatch();
    return value;
}

} // namespace

double textToNumber(std::string_view text) {
    text = trimBlanks(text);
    if (!isDecimalNumber(text))
        throw RuntimeError::typeMismatch();
    return readDecimal(text);
}
