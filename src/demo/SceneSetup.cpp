#include "demo/SceneSetup.h"

#include "canvas/Canvas.h"
#include "demo/Settings.h"

namespace {

constexpr int bandRows = DrawingArea::height; // 500
constexpr float sourceRadius = 5;
constexpr float detectorRadius = 5;
constexpr float stripDotRadius = 1;
constexpr float sumOriginRadius = 2;
constexpr int stripPenWidth = 4;
constexpr int discPenWidth = 2;

// Paints the drawing area in the window's background colour, one pixel row at a time from the
// bottom row up. The only erasing a run does.
void paintBackgroundBand(Canvas &canvas) {
    for (int r = 1; r <= bandRows; ++r) {
        const int y = DrawingArea::bottom + 1 - r;
        canvas.line(DrawingArea::left, y, DrawingArea::right, y, colour::lightGrey);
    }
}

// The light frequency: radians per unit of path value. The quotient comes first.
double computePhaseFactor(const Settings &settings) {
    double phaseFactor = 1.57041 / 100;
    phaseFactor = phaseFactor * 3 * readNumber(settings, SettingField::nKmitocet);
    return phaseFactor;
}

void setFixedScene(SceneGeometry &scene) {
    scene.mirrorLeft = 40;
    scene.mirrorY = 350;
    scene.arrowLength = 10;
    scene.stripWidth = scene.arrowLength * 2 + 4;
    scene.halfStrip = scene.stripWidth / 2.0;
    scene.firstStrip = 11;
    scene.lastStrip = 30;
    scene.sourceX = 50;
    scene.sourceY = scene.mirrorY - 200;
}

void setDetector(SceneGeometry &scene, const Settings &settings) {
    scene.detectorX = readNumber(settings, SettingField::nPoloha) + 50;
    scene.detectorY = scene.mirrorY - 50;
}

// One strip: a thick line along the mirror in the foreground colour, with a dot on its left end.
void drawStrip(Canvas &canvas, const SceneGeometry &scene, double i) {
    const double left = scene.mirrorLeft + scene.stripWidth * i;
    const double right = scene.mirrorLeft + scene.stripWidth * (i + 1);
    canvas.line(left, scene.mirrorY, right, scene.mirrorY, std::nullopt);
    canvas.circle(left, scene.mirrorY, stripDotRadius, colour::darkGrey);
}

// Draws every strip from the first to the last, inclusive, by the step in nDifrakce: every
// strip for the ordinary mirror (1), every other one for the grating (2). A step that is not
// positive draws no strip.
void drawMirrorStrips(Canvas &canvas, const SceneGeometry &scene, const Settings &settings) {
    const double step = readNumber(settings, SettingField::nDifrakce);
    if (!(step > 0))
        return;
    for (double i = scene.firstStrip; i <= scene.lastStrip; i += step)
        drawStrip(canvas, scene, i);
}

} // namespace

SceneGeometry setUpScene(Canvas &canvas, const Settings &settings) {
    SceneGeometry scene;
    canvas.setScaleMode(ScaleMode::pixels);
    canvas.setDrawWidth(1);
    paintBackgroundBand(canvas);

    scene.phaseFactor = computePhaseFactor(settings);
    setFixedScene(scene);
    setDetector(scene, settings);

    canvas.setDrawWidth(discPenWidth);
    canvas.setFillColor(colour::titleBarText);
    canvas.setFillStyle(FillStyle::solid);
    canvas.circle(scene.sourceX, scene.sourceY, sourceRadius, colour::darkGrey);

    canvas.setFillColor(colour::lightGrey);
    canvas.circle(scene.detectorX, scene.detectorY, detectorRadius, colour::darkGrey);

    canvas.setDrawWidth(stripPenWidth);
    drawMirrorStrips(canvas, scene, settings);

    canvas.setDrawWidth(1);
    scene.sumX = scene.detectorX + 400;
    scene.sumY = scene.mirrorY - 150;
    scene.sumOriginX = scene.sumX;
    scene.sumOriginY = scene.mirrorY - 150;
    canvas.circle(scene.sumX, scene.sumY, sumOriginRadius, colour::darkGrey);
    return scene;
}
