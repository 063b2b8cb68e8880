#include "demo/RuntimeError.h"
#include "demo/TextToNumber.h"

#include <doctest/doctest.h>

#include <clocale>
#include <optional>
#include <string>

#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#endif

namespace {

#ifndef __EMSCRIPTEN__ // the page's C library has no locale but C's

// The C library's numbers as a locale whose decimal separator is a comma has them, while it
// lives. Windows' C library has such locales of its own. Where the C library reads them from
// files (glibc), a fresh system has none but C's: localedef makes one, in a folder of the test's
// own, from a locale that defines the numbers alone and a character map of the comma alone.
class CommaLocale {
public:
    CommaLocale() {
#ifdef _WIN32
        const char *name = "German_Germany.1252";
#else
        folder_ =
            std::filesystem::temp_directory_path() / ("kymora-locale-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        std::ofstream(folder_ / "comma.src") << "LC_NUMERIC\ndecimal_point \"<U002C>\"\n"
                                                "thousands_sep \"\"\ngrouping -1\nEND LC_NUMERIC\n";
        std::ofstream(folder_ / "comma.map")
            << "<escape_char> /\nCHARMAP\n<U002C> /x2c\nEND CHARMAP\n";
        // It warns of the categories left out, and makes the locale all the same.
        const std::string command = "localedef -c -f " + (folder_ / "comma.map").string() + " -i " +
                                    (folder_ / "comma.src").string() + " " +
                                    (folder_ / "comma").string() + " >/dev/null 2>&1";
        [[maybe_unused]] const int status = std::system(command.c_str());
        setenv("LOCPATH", folder_.c_str(), 1);
        const char *name = "comma";
#endif
        made_ =
            std::setlocale(LC_NUMERIC, name) != nullptr && *std::localeconv()->decimal_point == ',';
    }
    ~CommaLocale() {
        std::setlocale(LC_NUMERIC, "C");
#if !defined(_WIN32)
        unsetenv("LOCPATH");
        std::filesystem::remove_all(folder_);
#endif
    }
    CommaLocale(const CommaLocale &) = delete;
    CommaLocale &operator=(const CommaLocale &) = delete;

    bool made() const {
        return made_;
    }

private:
    bool made_ = false;
#if !defined(_WIN32)
    std::filesystem::path folder_;
#endif
};
#endif

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

// The C library reads numbers as its locale writes them, which a toolkit may set: a number
// is read alike under every locale.
TEST_CASE("numbers are converted, exactly, under every locale") {
    SUBCASE("C") {}
#ifndef __EMSCRIPTEN__
    std::optional<CommaLocale> locale;
    SUBCASE("a comma for the decimal separator") {
        locale.emplace();
        REQUIRE_MESSAGE(locale->made(), "no locale with a comma could be made");
    }
#endif
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
