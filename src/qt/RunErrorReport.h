#pragma once

#include "demo/RuntimeError.h"

#include <functional>

class QWidget;

// Receives an error that ends the program. The window's own reporter shows it and ends the
// program; tests put a reporter of their own in its place.
using RunErrorReporter = std::function<void(const RuntimeError &)>;

// Shows the error in a message box over the window, then ends the program with
// runErrorExitCode once the current handler has returned.
void reportErrorAndQuit(QWidget *window, const RuntimeError &error);
