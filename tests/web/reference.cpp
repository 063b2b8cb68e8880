// What the web page's tests hold it against, taken from the design and the Qt program:
//   design.json: each control's name, kind, container, caption, place in the client area,
//                whether it is shown when the window opens, and tab index;
//   DETECTOR-MIRROR-FREQUENCY.png: the Qt program's finished picture of each combination,
//                with its client area's 800 x 585 pixels;
//   DETECTOR-MIRROR-FREQUENCY.json: the areas a comparison leaves out there: the captions'
//                text, the frame above the picture and the source's disc, whose colour is the
//                system's.
//
//   kymora_web_reference OUTPUT_DIRECTORY   (on Qt's offscreen platform)

#include "FormControls.h"
#include "VirtualPacer.h"
#include "qt/FormWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject toJson(const PixelRect &area) {
    return {{"left", area.left}, {"top", area.top}, {"width", area.width}, {"height", area.height}};
}

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}

bool write(const QString &path, const QJsonValue &value) {
    QFile file(path);
    const QJsonDocument document = value.isArray() ? QJsonDocument(value.toArray())
                                                   : QJsonDocument(value.toObject());
    return file.open(QIODevice::WriteOnly) && file.write(document.toJson()) > 0;
}

QJsonArray design() {
    const char *kinds[] = {"scrollBar", "settingsField", "frame", "option", "command", "caption"};
    QJsonArray controls;
    for (const ControlDesign &control : windowControls())
        controls.append(QJsonObject{{"name", text(control.name)},
                                    {"kind", kinds[int(control.kind)]},
                                    {"container", text(control.container)},
                                    {"caption", text(control.caption)},
                                    {"place", toJson(placeInClientArea(control))},
                                    {"shown", isShownAtStart(control)},
                                    {"tabIndex", control.tabIndex}});
    return controls;
}

// The Qt program's picture of one combination, and what a comparison leaves out.
bool takePicture(const QDir &directory, bool near, bool grating, bool frequencyTwo) {
    FormWindow window;
    const Controls ui(window);
    (near ? ui.opBlízko : ui.opDaleko)->setChecked(true);
    (grating ? ui.opAno : ui.opNe)->setChecked(true);
    (frequencyTwo ? ui.op2 : ui.op1)->setChecked(true);
    VirtualPacer pacer;
    window.form().waitThrough(pacer);
    window.form().cmdStart_Click();
    const QString name = QStringLiteral("%1-%2-%3")
                             .arg(near ? "near" : "far", grating ? "grating" : "ordinary",
                                  frequencyTwo ? "2" : "1");
    QJsonArray leftOut;
    CaptionBoard &captions = window.clientArea()->captions();
    for (int id = 0; id < captionCount; ++id)
        if (captions[Caption(id)].visible)
            leftOut.append(toJson(captions.area(Caption(id))));
    leftOut.append(toJson(placeInClientArea(*findControl("frmPoloha"))));
    leftOut.append(toJson({44, 144, 13, 13}));
    return window.clientArea()->picture().save(directory.filePath(name + ".png")) &&
           write(directory.filePath(name + ".json"), leftOut);
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(directory.path()) || !write(directory.filePath("design.json"), design()))
        return 1;
    for (const bool near : {false, true})
        for (const bool grating : {false, true})
            for (const bool frequencyTwo : {false, true})
                if (!takePicture(directory, near, grating, frequencyTwo))
                    return 1;
    return 0;
}
