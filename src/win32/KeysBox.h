#pragma once

#include <windows.h>

// The keys dialog (F1): a message box titled with keysTitle() that lists the program's keys, one
// to a line, and what each does, in the language spoken. Enter or Esc closes it.
void showKeys(HWND owner);
