#pragma once

#include "design/WindowDesign.h"

// The window's controls are numbered in design order from here, clear of IDOK and IDCANCEL.
inline constexpr int firstControlId = 100;
// The held run's notice, below them.
inline constexpr int noticeId = firstControlId - 1;

inline int controlId(const ControlDesign &design) {
    return firstControlId + controlIndex(design);
}

// The control of a number; nullptr when none has it.
inline const ControlDesign *controlWithId(int id) {
    return controlAt(id - firstControlId);
}
