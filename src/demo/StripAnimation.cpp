#include "demo/StripAnimation.h"

#include "canvas/Canvas.h"
#include "demo/Pause.h"
#include "demo/SceneGeometry.h"
#include "demo/Settings.h"

#include <cmath>

namespace {

constexpr float markRadius = 2;
constexpr int markPenWidth = 2;
constexpr int thinPenWidth = 1;
constexpr int photonRowBelowArrow = 5; // the photon vectors' row: the arrow length and 5 more
constexpr int graphAxisBelowMirror = 165;
constexpr int graphTopBelowMirror = 50;
constexpr int graphBaseBelowMirror = 200;
constexpr double graphScale = 0.15;
constexpr double chainAngleOffset = 90;

void drawRays(Canvas &canvas, const SceneGeometry &scene, double pointX) {
    canvas.line(scene.sourceX, scene.sourceY, pointX, scene.mirrorY, std::nullopt);
    canvas.line(pointX, scene.mirrorY, scene.detectorX, scene.detectorY, std::nullopt);
}

void drawPhotonVector(Canvas &canvas, const SceneGeometry &scene, const StripPath &path) {
    const double baseY = scene.mirrorY + scene.arrowLength + photonRowBelowArrow;
    canvas.circle(path.pointX, baseY, markRadius, colour::darkGrey);
    canvas.line(path.pointX, baseY, path.pointX + scene.arrowLength * std::cos(path.phaseAngle),
                baseY + scene.arrowLength * std::sin(path.phaseAngle), std::nullopt);
}

// The graph's axes, drawn again at the same place for every strip.
void drawGraphAxes(Canvas &canvas, const SceneGeometry &scene) {
    const double originX = scene.stripWidth + scene.mirrorLeft;
    const double axisY = scene.mirrorY + graphAxisBelowMirror;
    canvas.line(originX, axisY, scene.halfStrip * (scene.lastStrip * 2) + originX, axisY,
                std::nullopt);
    canvas.line(originX, scene.mirrorY + graphTopBelowMirror, originX, axisY, std::nullopt);
}

void drawGraphDot(Canvas &canvas, const SceneGeometry &scene, const StripPath &path) {
    canvas.circle(path.pointX, (scene.mirrorY + graphBaseBelowMirror) - graphScale * path.pathValue,
                  markRadius, colour::darkGrey);
}

// Draws the strip's link from the chain end and moves the chain end to where the link ends.
void addChainLink(Canvas &canvas, SceneGeometry &scene, const StripPath &path) {
    const double linkX = std::cos(path.chainAngle) * (scene.arrowLength * 2);
    const double linkY = std::sin(path.chainAngle) * (scene.arrowLength * 2);
    canvas.line(scene.sumX, scene.sumY, scene.sumX + linkX, scene.sumY + linkY, std::nullopt);
    scene.sumX = scene.sumX + linkX;
    scene.sumY = scene.sumY + linkY;
}

void animateStrip(Canvas &canvas, const Settings &settings, PauseTimeline &timeline,
                  SceneGeometry &scene, double k) {
    pause(settings, timeline);
    const StripPath path = pathOfStrip(scene, k);
    if (RunHold *hold = timeline.hold())
        hold->stripBegins();
    drawRays(canvas, scene, path.pointX);
    canvas.setDrawWidth(markPenWidth);
    drawPhotonVector(canvas, scene, path);
    canvas.setDrawWidth(thinPenWidth);
    drawGraphAxes(canvas, scene);
    canvas.setDrawWidth(markPenWidth);
    drawGraphDot(canvas, scene, path);
    canvas.setDrawWidth(thinPenWidth);
    addChainLink(canvas, scene, path);
    if (RunHold *hold = timeline.hold())
        hold->stripDrawn({path.pathValue, path.phaseAngle});
    pause(settings, timeline);
}

int stripsOfRun(double first, double end, double step) {
    int strips = 0;
    for (double k = first; k <= end; k += step)
        ++strips;
    return strips;
}

} // namespace

StripPath pathOfStrip(const SceneGeometry &scene, double k) {
    StripPath path{};
    path.pointX = scene.halfStrip * k + (scene.stripWidth + scene.mirrorLeft);
    const double toStripX = scene.sourceX - path.pointX;
    const double toStripY = scene.mirrorY - scene.sourceY;
    const double toDetectorX = scene.detectorX - path.pointX;
    const double toDetectorY = scene.mirrorY - scene.detectorY;
    path.pathValue = std::sqrt(toStripX * toStripX + toStripY * toStripY +
                               toDetectorX * toDetectorX + toDetectorY * toDetectorY);
    path.phaseAngle = path.pathValue * scene.phaseFactor;
    path.chainAngle = (path.pathValue + chainAngleOffset) * scene.phaseFactor;
    return path;
}

void animateStrips(Canvas &canvas, const Settings &settings, PauseTimeline &timeline,
                   SceneGeometry &scene) {
    const double n = readNumber(settings, SettingField::nDifrakce);
    const double step = n + n;
    const double end = scene.lastStrip * 2;
    if (!(step > 0))
        return;
    // k counts half strips: it stands for strip (k + 1) / 2, from the first strip on.
    const double first = 2 * scene.firstStrip - 1;
    if (RunHold *hold = timeline.hold())
        hold->expectStrips(stripsOfRun(first, end, step));
    for (double k = first; k <= end; k += step)
        animateStrip(canvas, settings, timeline, scene, k);
}
