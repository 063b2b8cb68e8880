#pragma once

#include "demo/Pause.h"

class Canvas;
class Settings;
struct SceneGeometry;

// What one strip's path contributes, for the half-strip counter k (strip (k + 1) / 2).
struct StripPath {
    double pointX;     // the reflection point, the middle of the strip on the mirror line
    double pathValue;  // the path's value: one square root over the four squares
    double phaseAngle; // direction of the strip's photon vector, radians
    double chainAngle; // direction of the strip's link in the arrow chain, radians
};

StripPath pathOfStrip(const SceneGeometry &scene, double k);

// The middle phase of a run: visits the strips the set-up drew, from left to right, with a
// pause before and after each. For each it draws the two rays, the photon vector, the path
// graph's axes and dot, and one more link of the arrow chain, advancing the chain end held in
// the scene. Each pause shows what was drawn and waits on the run's timeline. A step that is not
// positive visits no strip.
void animateStrips(Canvas &canvas, const Settings &settings, PauseTimeline &timeline,
                   SceneGeometry &scene);
