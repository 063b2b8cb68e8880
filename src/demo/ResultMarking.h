#pragma once

#include "demo/RunResult.h"

class Canvas;
class Settings;
struct SceneGeometry;

// The last phase of a run: the green resultant from the chain's start to its end, the white
// mark on the detector when it is lit (neither frequency 1 nor the ordinary mirror), and the
// six captions moved beside the picture and shown. Returns what it showed, with the settings it
// read for it; the pause tally is left to the caller.
RunResult markResult(Canvas &canvas, const Settings &settings, const SceneGeometry &scene);
