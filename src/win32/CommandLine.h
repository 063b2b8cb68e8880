#pragma once

#include "form/OutsideSetup.h"

#include <optional>

// What the command line asks of the program: a set-up for its window (--detector=near and the
// like), or an answer without a window (/?, --help, --version), or nothing it can do.
struct CommandLine {
    OutsideSetup setup;
    // Set when the program has answered, or said what is wrong: it ends with this.
    std::optional<int> exitCode;
};

// Reads the program's command line. The answer, or what is wrong, goes to standard output or
// standard error where the program has them, and otherwise into a message box.
CommandLine readCommandLine();
