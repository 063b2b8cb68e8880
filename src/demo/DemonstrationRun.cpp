#include "demo/DemonstrationRun.h"

#include "demo/SceneSetup.h"

PauseTally runDemonstration(Canvas &canvas, const Settings &settings) {
    SceneGeometry scene = setUpScene(canvas, settings);
    return animateStrips(canvas, settings, scene);
}
