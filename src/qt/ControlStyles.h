#pragma once

#include "qt/NativeControls.h"

#include <QString>

class QFont;
class QWidget;

// The style sheets that give the controls the look they were designed with, at a zoom and in a
// profile's colours.

// The classic frame: an etched line all round, with the caption on the top line, breaking it.
QString classicFrameStyle(const QFont &font, const ControlLook &look);
// An option button: its mark larger by the zoom; in a profile with marks of its own, a ring in
// the text's colour, filled in its middle where the option is selected.
QString optionStyle(const QWidget *option, const ControlLook &look);
// The speed bar: none in the system's look; else its face, edges, arrows and thumb in the
// profile's colours, its focus in the focus colour.
QString speedBarStyle(const QWidget *bar, const ControlLook &look);
