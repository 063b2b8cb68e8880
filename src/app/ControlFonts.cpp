#include "app/ControlFonts.h"

#include <QStringList>

namespace {

QFont makeFont(const QStringList &faces, QFont::StyleHint hint, qreal pointSize,
               QFont::Weight weight) {
    QFont font;
    font.setFamilies(faces);
    font.setStyleHint(hint);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QFont timesNewRoman(qreal pointSize) {
    return makeFont({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
                    QFont::Serif, pointSize, QFont::Bold);
}

QFont msSansSerif(QFont::Weight weight) {
    return makeFont({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
                    QFont::SansSerif, 8.25, weight);
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
        return msSansSerif(QFont::Bold);
    }
    return windowFont();
}

QFont windowFont() {
    QFont font = msSansSerif(QFont::Normal);
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}
