#pragma once

#include "form/CommandLine.h"

// Reads the program's command line, with /? for the help as Windows has it. The answer, or what
// is wrong, goes to standard output or standard error where the program has them, and otherwise
// into a message box.
CommandLine answerCommandLine();
