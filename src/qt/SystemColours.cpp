#include "qt/SystemColours.h"

#include <QPalette>

namespace {

Colour plainOf(const QColor &colour) {
    return static_cast<Colour>(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}

} // namespace

QColor toQColor(Colour plain) {
    return QColor(colour::redOf(plain), colour::greenOf(plain), colour::blueOf(plain));
}

SystemColours systemColoursOf(const QPalette &palette) {
    SystemColours colours;
    colours.window = plainOf(palette.color(QPalette::Base));
    colours.windowText = plainOf(palette.color(QPalette::Text));
    colours.highlight = plainOf(palette.color(QPalette::Highlight));
    colours.buttonFace = plainOf(palette.color(QPalette::Button));
    colours.buttonText = plainOf(palette.color(QPalette::ButtonText));
    return colours;
}
