#include "demo/DemonstrationRun.h"

#include "demo/ResultMarking.h"
#include "demo/SceneSetup.h"

PauseTally runDemonstration(Canvas &canvas, const Settings &settings) {
    SceneGeometry scene = setUpScene(canvas, settings);
    const PauseTally tally = animateStrips(canvas, settings, scene);
    markResult(canvas, settings, scene);
    return tally;
}
