#include "demo/DemonstrationRun.h"

#include "demo/SceneSetup.h"

void runDemonstration(Canvas &canvas, const Settings &settings) {
    setUpScene(canvas, settings);
}
