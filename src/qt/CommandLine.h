#pragma once

#include "form/OutsideSetup.h"

#include <QStringList>

#include <optional>

// What the command line asks of the program: a set-up for its window (--detector=near and the
// like), or an answer without a window (--help, --version), or nothing it can do.
struct CommandLine {
    OutsideSetup setup;
    // Set when the program has answered, or said in one line what is wrong: it ends with this.
    std::optional<int> exitCode;
};

// Reads the arguments, GNU style; writes the help or the version to standard output, and what
// is wrong to standard error. Needs no window system.
CommandLine readCommandLine(const QStringList &arguments);
