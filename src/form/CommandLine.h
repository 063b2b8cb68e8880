#pragma once

#include "form/OutsideSetup.h"

#include <optional>
#include <string>
#include <vector>

// What the command line asks of the program: a set-up for its window (--detector=near and the
// like), or an answer without a window (--help, --version), or nothing it can do.
struct CommandLine {
    OutsideSetup setup;
    // Set when the program answers, or refuses, without a window: it ends with this.
    std::optional<int> exitCode;
    std::string output; // for standard output: the help or the version
    std::string error;  // for standard error: one line naming what is wrong
};

// Reads the arguments, GNU style (--name=value or --name value), the program's own name first.
// The same on every system: it needs no window system and writes nothing itself.
CommandLine readCommandLine(const std::vector<std::string> &arguments);
