#include "form/SpeedBar.h"

#include "design/WindowDesign.h"

#include <algorithm>

int speedBarMovedTo(int current, SpeedBarMove move, int thumbAt) {
    int value = current;
    switch (move) {
    case SpeedBarMove::stepDown:
        value = current - 1;
        break;
    case SpeedBarMove::stepUp:
        value = current + 1;
        break;
    case SpeedBarMove::toMinimum:
        value = speedMinimum;
        break;
    case SpeedBarMove::toMaximum:
        value = speedMaximum;
        break;
    case SpeedBarMove::thumbTo:
        value = thumbAt;
        break;
    }
    return std::clamp(value, speedMinimum, speedMaximum);
}
