#include "qt/ControlFonts.h"

#include "qt/Text.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>

namespace {

// The designed face when it is installed, else its stand-in when that is, else the designed
// face: asking for an installed face spares the font system a search at every size.
QString installedFace(const FontDesign &design) {
    const QStringList installed = QFontDatabase::families();
    for (const QString &face : {toQString(design.face), toQString(design.standIn)})
        if (installed.contains(face, Qt::CaseInsensitive))
            return face;
    return toQString(design.face);
}

} // namespace

QFont controlFont(ControlFont key) {
    const FontDesign &design = fontDesign(key);
    static std::array<QString, fontCount> faces;
    QString &face = faces[static_cast<std::size_t>(key)];
    if (face.isEmpty())
        face = installedFace(design);
    QFont font(face);
    font.setStyleHint(design.family == FontFamily::serif ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(design.pointSize);
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QFont windowFont() {
    QFont font = controlFont(ControlFont::window);
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}
