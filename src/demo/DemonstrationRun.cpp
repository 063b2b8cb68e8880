#include "demo/DemonstrationRun.h"

#include "demo/Pause.h"
#include "demo/ResultMarking.h"
#include "demo/RunHold.h"
#include "demo/RunPacer.h"
#include "demo/SceneSetup.h"
#include "demo/StripAnimation.h"

RunResult runDemonstration(Canvas &canvas, const Settings &settings, RunPacer &pacer,
                           HoldWatcher *watcher) {
    RunHold hold(canvas, watcher);
    PauseTimeline timeline(pacer, &hold);
    SceneGeometry scene = setUpScene(canvas, settings);
    animateStrips(canvas, settings, timeline, scene);
    RunResult result = markResult(canvas, settings, scene);
    pacer.show();
    return result;
}
