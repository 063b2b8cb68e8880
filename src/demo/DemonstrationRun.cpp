#include "demo/DemonstrationRun.h"

#include "demo/Pause.h"
#include "demo/ResultMarking.h"
#include "demo/RunPacer.h"
#include "demo/SceneSetup.h"

PauseTally runDemonstration(Canvas &canvas, const Settings &settings, RunPacer &pacer) {
    PauseTimeline timeline(pacer);
    SceneGeometry scene = setUpScene(canvas, settings);
    const PauseTally tally = animateStrips(canvas, settings, timeline, scene);
    markResult(canvas, settings, scene);
    pacer.show();
    return tally;
}
