#include "demo/ResultMarking.h"

#include "canvas/Canvas.h"
#include "demo/SceneGeometry.h"
#include "demo/Settings.h"

#include <cmath>

namespace {

constexpr int resultPenWidth = 2;
constexpr float litDetectorRadius = 10;

// Draws the resultant and returns its length.
double drawResultant(Canvas &canvas, const SceneGeometry &scene) {
    canvas.line(scene.sumOriginX, scene.sumOriginY, scene.sumX, scene.sumY, colour::green);
    return std::hypot(scene.sumX - scene.sumOriginX, scene.sumY - scene.sumOriginY);
}

// The detector is lit unless the frequency or the mirror setting is 1. Both are read, every
// time, and kept in the result.
void markLitDetector(Canvas &canvas, const Settings &settings, const SceneGeometry &scene,
                     RunResult &result) {
    result.frequency = readNumber(settings, SettingField::nKmitocet);
    result.mirrorStep = readNumber(settings, SettingField::nDifrakce);
    result.detectorLit = !(result.frequency == 1 || result.mirrorStep == 1);
    if (!result.detectorLit)
        return;
    canvas.setFillColor(colour::white);
    canvas.setFillStyle(FillStyle::solid);
    canvas.circle(scene.detectorX, scene.detectorY, litDetectorRadius, colour::darkGrey);
}

// Reads the detector's offset, kept in the result, and tells whether it is 0.
bool detectorIsFar(const Settings &settings, RunResult &result) {
    result.detectorOffset = readNumber(settings, SettingField::nPoloha);
    return result.detectorOffset == 0;
}

void placeCaptions(Canvas &canvas, const Settings &settings, const SceneGeometry &scene,
                   RunResult &result) {
    canvas.setCaptionLeft(Caption::labRadiusvektory,
                          scene.mirrorLeft + scene.firstStrip * scene.stripWidth);
    canvas.setCaptionTop(Caption::labRadiusvektory, scene.mirrorY + 30);
    canvas.setCaptionTop(Caption::labCas, scene.mirrorY + 50);
    canvas.setCaptionLeft(Caption::labCas, scene.mirrorLeft + 30);
    canvas.setCaptionTop(Caption::labDobaLetu, scene.mirrorY + 130);
    canvas.setCaptionLeft(Caption::labDobaLetu, scene.mirrorLeft + 450);
    canvas.setCaptionLeft(Caption::labSoucet, detectorIsFar(settings, result)
                                                  ? scene.detectorX + 430
                                                  : scene.detectorX + 330);
    canvas.setCaptionTop(Caption::labSoucet, scene.mirrorY - 220);
    for (Caption caption :
         {Caption::labRadiusvektory, Caption::labCas, Caption::labDobaLetu, Caption::labSoucet})
        canvas.showCaption(caption);

    canvas.setCaptionLeft(Caption::labZdroj, scene.sourceX + 10);
    canvas.setCaptionTop(Caption::labZdroj, scene.sourceY - 20);
    canvas.showCaption(Caption::labZdroj);

    canvas.setCaptionLeft(Caption::labDetektor, detectorIsFar(settings, result)
                                                    ? scene.sourceX + 10
                                                    : scene.sourceX + 90);
    canvas.setCaptionTop(Caption::labDetektor, scene.detectorY - 25);
    canvas.showCaption(Caption::labDetektor);
}

} // namespace

RunResult markResult(Canvas &canvas, const Settings &settings, const SceneGeometry &scene) {
    RunResult result;
    canvas.setDrawWidth(resultPenWidth);
    result.resultantLength = drawResultant(canvas, scene);
    markLitDetector(canvas, settings, scene, result);
    placeCaptions(canvas, settings, scene, result);
    return result;
}
