#pragma once

#include "canvas/PixelRect.h"
#include "design/ColourProfiles.h"

#include <QImage>
#include <QPalette>

#include <algorithm>

// Colours as a test or a screenshot measures them on the window.

// A pixel as a plain &HBBGGRR colour.
inline Colour plainOf(QRgb pixel) {
    return static_cast<Colour>(qRed(pixel) | (qGreen(pixel) << 8) | (qBlue(pixel) << 16));
}

// A contrast theme, as a pupil with low vision chooses one: white on black, and a highlight
// (a blue that stands out from both, unless another is given).
inline QPalette contrastTheme(QColor highlight = QColor(0x20, 0x80, 0xE0)) {
    QPalette theme;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        theme.setColor(role, Qt::black);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        theme.setColor(role, Qt::white);
    theme.setColor(QPalette::Highlight, highlight);
    return theme;
}

// The best contrast with the background of any pixel of an area, at a factor: a caption's text.
inline double textContrast(const QImage &shown, const PixelRect &area, Colour background,
                           double factor = 1) {
    double best = 1;
    for (int y = area.top; y < area.top + area.height; ++y)
        for (int x = area.left; x < area.left + area.width; ++x)
            best = std::max(
                best, contrastRatio(plainOf(shown.pixel(qRound(x * factor), qRound(y * factor))),
                                    background));
    return best;
}
