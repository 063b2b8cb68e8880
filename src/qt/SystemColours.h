#pragma once

#include "design/ColourProfiles.h"

#include <QColor>

class QPalette;

// A plain &HBBGGRR colour, as Qt paints it.
QColor toQColor(Colour plain);

// The system's colours as the application's palette has them. An active title bar's text has no
// palette role: it stays white.
SystemColours systemColoursOf(const QPalette &palette);
