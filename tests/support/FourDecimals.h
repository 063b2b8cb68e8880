#pragma once

#include <cmath>
#include <cstdint>

// A value rounded to four decimals, as worked values are given, for exact comparison.
inline std::int64_t fourDecimals(double value) {
    return std::llround(value * 10000);
}
