#pragma once

#include "design/WindowDesign.h"

#include <QFont>

// The fonts of the window's controls, as designed. Where the designed face is not installed,
// its stand-in with the same metrics is used (Liberation Serif for Times New Roman, Liberation
// Sans for MS Sans Serif), or else any serif or sans serif face.
QFont controlFont(ControlFont key);

// The window's own font, which controls without a font of their own show, so that every
// caption fits its control. Pinned, so that a control showing it does not take over the font
// of the frame it sits in.
QFont windowFont();
