#pragma once

#include "design/WindowDesign.h"

#include <cstddef>

// The window's controls are numbered in design order from here, clear of IDOK and IDCANCEL.
inline constexpr int firstControlId = 100;

inline int controlId(const ControlDesign &design) {
    return firstControlId + static_cast<int>(&design - windowControls().data());
}

// The control of a number; nullptr when none has it.
inline const ControlDesign *controlWithId(int id) {
    const int index = id - firstControlId;
    if (index < 0 || index >= controlCount)
        return nullptr;
    return &windowControls()[static_cast<std::size_t>(index)];
}
