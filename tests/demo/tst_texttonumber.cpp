#include "demo/RuntimeError.h"
#include "demo/TextToNumber.h"

#include <doctest/doctest.h>

#include <string>

namespace {

// The error that converting the text raises.
RuntimeError errorOf(const char *text) {
    try {
        textToNumber(text);
    } catch (const RuntimeError &error) {
        return error;
    }
    FAIL("no error raised");
    return RuntimeError(0, "");
}

} // namespace

TEST_CASE("numbers are converted, exactly") {
    const struct {
        const char *text;
        double number;
    } rows[] = {
        {"0", 0.0},
        {"170", 170.0},
        {"20", 20.0},
        {"  170\t", 170.0},
        {"-3", -3.0},
        {"+2", 2.0},
        {"1.5", 1.5},
        {".25", 0.25},
        {"5.", 5.0},
        {"1e3", 1000.0},
        {"25E-1", 2.5},
        {"4e-320", 4e-320},
        {"1.7976931348623157e308", 1.7976931348623157e308},
    };
    for (const auto &row : rows) {
        CAPTURE(row.text);
        CHECK(textToNumber(row.text) == row.number);
    }
}

TEST_CASE("text that is not a number is a type mismatch") {
    for (const char *text : {"", "   ", "Poloha", "nDifrakce", "12abc", "1,5", "1 2", "-", ".",
                             "1e", "0x10", "inf", "nan"}) {
        CAPTURE(text);
        const RuntimeError error = errorOf(text);
        CHECK(error.number() == 13);
        CHECK(error.message() == "Run-time error '13':\n\nType mismatch");
    }
}

TEST_CASE("a number out of range is an overflow") {
    for (const char *text : {"1e400", "-1e400", "1e-400"}) {
        CAPTURE(text);
        const RuntimeError error = errorOf(text);
        CHECK(error.number() == 6);
        CHECK(error.message() == "Run-time error '6':\n\nOverflow");
    }
}
