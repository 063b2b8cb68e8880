#pragma once

#include "form/OutsideSetup.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// What the command line asks of the program: a set-up for its window (--detector=near and the
// like), or an answer without a window (--help, --version), or nothing it can do.
struct CommandLine {
    OutsideSetup setup;
    // Set when the program answers, or refuses, without a window: it ends with this.
    std::optional<int> exitCode;
    std::string output;        // for standard output: the help or the version
    std::string error;         // for standard error: one line naming what is wrong
    std::string_view language; // the language the program speaks from now on
};

// Reads the arguments, GNU style (--name=value or --name value), the program's own name first,
// and speaks the language they ask for or else the first of the user's own that Kymora speaks.
// The same on every system: it needs no window system and writes nothing itself.
CommandLine readCommandLine(const std::vector<std::string> &arguments,
                            std::span<const std::string> userLanguages = {});
