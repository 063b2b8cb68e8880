#include "qt/SystemColours.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// Indexes of the system colours that have a counterpart in the palette.
enum SystemColourIndex {
    windowBackground = 5,
    windowText = 8,
    titleBarText = 9,
    highlight = 13,
    highlightText = 14,
    buttonFace = 15,
    buttonShadow = 16,
    grayText = 17,
    buttonText = 18,
};

QColor systemColour(int index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case windowBackground:
        return palette.color(QPalette::Base);
    case windowText:
        return palette.color(QPalette::Text);
    case titleBarText:
        return Qt::white;
    case highlight:
        return palette.color(QPalette::Highlight);
    case highlightText:
        return palette.color(QPalette::HighlightedText);
    case buttonFace:
        return palette.color(QPalette::Button);
    case buttonShadow:
        return palette.color(QPalette::Dark);
    case grayText:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case buttonText:
        return palette.color(QPalette::ButtonText);
    default:
        return Qt::black;
    }
}

} // namespace

QColor toQColor(Colour colour) {
    if (colour::isSystemColour(colour))
        return systemColour(colour::systemColourIndex(colour));
    return QColor(colour::redOf(colour), colour::greenOf(colour), colour::blueOf(colour));
}
