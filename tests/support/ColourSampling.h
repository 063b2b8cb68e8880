#pragma once

#include "canvas/Colour.h"

#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QRect>

// The colours a picture on the screen shows, read as &HBBGGRR values, for a comparison with the
// colours shown and a measure of their contrast (contrastRatio, design/ColourProfiles.h), by the
// tests and the screenshots.

Colour colourAt(const QImage &image, QPoint point);

// The colour most of the area shows: the background, in an area mostly empty.
Colour mostOf(const QImage &image, const QRect &area);

// The colour most pixels around a point show, but for the background: the ink of what is drawn
// there.
Colour inkNear(const QImage &image, QPoint point, Colour background);

// The colour in the area that stands out most from the background: a text's ink.
Colour strongestIn(const QImage &image, const QRect &area, Colour background);

// How many of the area's pixels are of this colour.
int pixelsOf(const QImage &image, const QRect &area, Colour colour);

// A contrast theme as the application's palette, as a pupil with low vision chooses one: white on
// black, and a highlight (a blue that stands out from both, unless another is given).
QPalette contrastTheme(QColor highlight = QColor(0x20, 0x80, 0xE0));
