#include "qt/SystemColours.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// The system colours the run and the controls use, by index.
enum SystemColourIndex {
    titleBarText = 9,
    buttonText = 18,
};

QColor systemColour(int index) {
    switch (index) {
    case titleBarText:
        return Qt::white;
    case buttonText:
        return QGuiApplication::palette().color(QPalette::ButtonText);
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
