#pragma once

#include "canvas/Colour.h"

#include <QColor>

// The colour to paint for a colour value: an &HBBGGRR value as it stands, or a system colour
// looked up in the application's palette. Title-bar text has no palette role: it is white.
QColor toQColor(Colour colour);
