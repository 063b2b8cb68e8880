#include "app/ControlFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// The first of the faces that is installed, else the first: asking for an installed face spares
// the font system a search for stand-ins at every size.
QString installedFace(const QStringList &faces) {
    const QStringList installed = QFontDatabase::families();
    for (const QString &face : faces)
        if (installed.contains(face, Qt::CaseInsensitive))
            return face;
    return faces.first();
}

QFont makeFont(const QString &face, QFont::StyleHint hint, qreal pointSize,
               QFont::Weight weight) {
    QFont font(face);
    font.setStyleHint(hint);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QFont timesNewRoman(qreal pointSize) {
    static const QString face =
        installedFace({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    return makeFont(face, QFont::Serif, pointSize, QFont::Bold);
}

QFont msSansSerif(QFont::Weight weight) {
    static const QString face =
        installedFace({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    return makeFont(face, QFont::SansSerif, 8.25, weight);
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
