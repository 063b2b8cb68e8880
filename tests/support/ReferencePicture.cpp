#include "ReferencePicture.h"

#include "FakeSettings.h"
#include "FormControls.h"
#include "RecordingCanvas.h"
#include "VirtualPacer.h"
#include "canvas/DrawingArea.h"
#include "demo/SceneSetup.h"
#include "qt/FormWindow.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The source's disc, as far as its rim reaches.
QRect sourceDisc() {
    constexpr int radius = 5;
    constexpr int rimReach = 1;
    RecordingCanvas canvas;
    const SceneGeometry scene = setUpScene(canvas, FakeSettings());
    const int reach = radius + rimReach;
    return QRect(scene.sourceX - reach, scene.sourceY - reach, 2 * reach + 1, 2 * reach + 1);
}

enum class Ink { none, dark, white, green };

Ink inkOf(QRgb pixel) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    if (std::max({std::abs(r - 192), std::abs(g - 192), std::abs(b - 192)}) < 48)
        return Ink::none;
    if (g > r + 60 && g > b + 60)
        return Ink::green;
    if (r > 230 && g > 230 && b > 230)
        return Ink::white;
    return r < 160 && g < 160 && b < 160 ? Ink::dark : Ink::none;
}

bool hasInkNear(const QImage &picture, int x, int y, Ink ink) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (inkOf(picture.pixel(x + dx, y + dy)) == ink)
                return true;
    return false;
}

} // namespace

ReferencePicture referencePicture(bool near, bool grating, bool frequencyTwo) {
    FormWindow window;
    const Controls ui(window);
    (near ? ui.opBlízko : ui.opDaleko)->setChecked(true);
    (grating ? ui.opAno : ui.opNe)->setChecked(true);
    (frequencyTwo ? ui.op2 : ui.op1)->setChecked(true);
    VirtualPacer pacer;
    window.form().waitThrough(pacer);
    window.form().cmdStart_Click();
    ReferencePicture reference{window.clientArea()->picture().convertToFormat(QImage::Format_RGB32),
                               {}};
    CaptionBoard &captions = window.clientArea()->captions();
    for (int id = 0; id < captionCount; ++id)
        if (captions[Caption(id)].visible)
            reference.leftOut.append(toQRect(captions.area(Caption(id))));
    reference.leftOut.append(toQRect(placeInClientArea(*findControl("frmPoloha"))));
    reference.leftOut.append(sourceDisc());
    return reference;
}

double unmatchedShare(const QImage &zoomedPicture, const ReferencePicture &reference) {
    const QImage &other = reference.picture;
    // A picture drawn at a zoom is looked at pixel by design pixel: a line at least as many
    // pixels wide as the zoom has one of them wherever it goes.
    const QImage picture =
        zoomedPicture.size() == other.size()
            ? zoomedPicture
            : zoomedPicture.scaled(other.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    int compared = 0;
    int unmatched = 0;
    for (int y = DrawingArea::top + 1; y < DrawingArea::bottom; ++y)
        for (int x = DrawingArea::left + 1; x < DrawingArea::right; ++x) {
            const QPoint point(x, y);
            if (std::any_of(reference.leftOut.begin(), reference.leftOut.end(),
                            [point](const QRect &area) {
                                return area.adjusted(-4, -4, 4, 4).contains(point);
                            }))
                continue;
            ++compared;
            const Ink mine = inkOf(picture.pixel(point));
            const Ink theirs = inkOf(other.pixel(point));
            unmatched += (mine != Ink::none && !hasInkNear(other, x, y, mine)) ||
                         (theirs != Ink::none && !hasInkNear(picture, x, y, theirs));
        }
    return double(unmatched) / compared;
}
