#include "demo/DemonstrationRun.h"

#include "demo/Pause.h"
#include "demo/ResultMarking.h"
#include "demo/RunPacer.h"
#include "demo/SceneSetup.h"
#include "demo/StripAnimation.h"

RunResult runDemonstration(Canvas &canvas, const Settings &settings, RunPacer &pacer) {
    PauseTimeline timeline(pacer);
    SceneGeometry scene = setUpScene(canvas, settings);
    animateStrips(canvas, settings, timeline, scene);
    RunResult result = markResult(canvas, settings, scene);
    pacer.show();
    return result;
}
