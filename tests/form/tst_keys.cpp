#include "form/Keys.h"

#include <doctest/doctest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string contentsOf(const std::string &path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

// The keys dialog and --help list the key table itself; the manual page and the README list
// every key of it, in its words, so that none is left out or told otherwise.
TEST_CASE("the manual page and the README list every key as the keys dialog does") {
    const std::string manual = contentsOf(KYMORA_SOURCE_DIR "/docs/kymora.1.in");
    const std::string readme = contentsOf(KYMORA_SOURCE_DIR "/README.md");
    REQUIRE(!manual.empty());
    REQUIRE(!readme.empty());
    for (const KeyHelp &key : keyTable()) {
        CAPTURE(key.keys);
        const std::string keys(key.keys), does(key.does);
        CHECK(manual.find(".TP\n.B " + keys + "\n" + does + ".\n") != std::string::npos);
        CHECK(readme.find("| " + keys + " | " + does + " |\n") != std::string::npos);
    }
}
