#include "app/ControlFonts.h"

#include <QApplication>

namespace {

QFont boldFont(const QString &face, QFont::StyleHint hint, qreal pointSize) {
    QFont font(face);
    font.setStyleHint(hint);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QFont timesNewRoman(qreal pointSize) {
    return boldFont(QStringLiteral("Times New Roman"), QFont::Serif, pointSize);
}

} // namespace

QFont controlFont(ControlFont key) {
    switch (key) {
    case ControlFont::A:
        return timesNewRoman(9.75);
    case ControlFont::B:
        return timesNewRoman(14.25);
    case ControlFont::C:
        return timesNewRoman(15.75);
    case ControlFont::D:
        return timesNewRoman(17.25);
    case ControlFont::E:
        return timesNewRoman(12);
    case ControlFont::F:
        return boldFont(QStringLiteral("MS Sans Serif"), QFont::SansSerif, 8.25);
    }
    return QApplication::font();
}

QFont defaultControlFont() {
    QFont font = QApplication::font();
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}
