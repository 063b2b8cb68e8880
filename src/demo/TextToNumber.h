#pragma once

#include <string_view>

// Converts a whole text to a number: optional blanks around an optional sign, digits with an
// optional decimal point ('.') and an optional exponent. Anything else, the empty text
// included, throws RuntimeError "Type mismatch"; a value beyond the range of a double
// (too large or too small) throws "Overflow".
double textToNumber(std::string_view text);
