// What the web page's tests hold it against, taken from the design and the Qt program, on Qt's
// offscreen platform:
//   kymora_web_reference design
//       prints each control's name, kind, container, caption, place in the client area, font
//       (its size in points and whether bold), whether it is shown when the window opens, and
//       tab index, as JSON;
//   kymora_web_reference compare DETECTOR-MIRROR-FREQUENCY PICTURE
//       prints the share of the page's picture (PNG, 800 x 585) that the Qt program's picture
//       of that combination does not match.

#include "ReferencePicture.h"
#include "design/WindowDesign.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cstdio>

namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}

void printDesign() {
    const char *kinds[] = {"scrollBar", "settingsField", "frame", "option", "command", "caption"};
    QJsonArray controls;
    for (const ControlDesign &control : windowControls()) {
        const PixelRect place = placeInClientArea(control);
        const FontDesign &font = fontDesign(control.font);
        controls.append(
            QJsonObject{{"name", text(control.name)},
                        {"kind", kinds[int(control.kind)]},
                        {"container", text(control.container)},
                        {"caption", text(control.caption)},
                        {"place", QJsonObject{{"left", place.left},
                                              {"top", place.top},
                                              {"width", place.width},
                                              {"height", place.height}}},
                        {"font", QJsonObject{{"pointSize", font.pointSize}, {"bold", font.bold}}},
                        {"shown", isShownAtStart(control)},
                        {"tabIndex", control.tabIndex}});
    }
    std::fputs(QJsonDocument(controls).toJson().constData(), stdout);
}

bool compare(const QString &combination, const QString &picturePath) {
    const QStringList parts = combination.split(QLatin1Char('-'));
    const QImage picture(picturePath);
    if (parts.size() != 3 || picture.isNull())
        return false;
    const ReferencePicture reference =
        referencePicture(parts[0] == QLatin1String("near"), parts[1] == QLatin1String("grating"),
                         parts[2] == QLatin1String("2"));
    std::printf("%.6f\n", unmatchedShare(picture.convertToFormat(QImage::Format_RGB32), reference));
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 2 && arguments[1] == QLatin1String("design")) {
        printDesign();
        return 0;
    }
    if (arguments.size() == 4 && arguments[1] == QLatin1String("compare"))
        return compare(arguments[2], arguments[3]) ? 0 : 1;
    return 2;
}
