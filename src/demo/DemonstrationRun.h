#pragma once

#include "demo/RunResult.h"

class Canvas;
class HoldWatcher;
class RunPacer;
class Settings;

// One press of Start: the whole demonstration, drawn onto the canvas with the settings as they
// stand, paced by the pacer, and held as the pacer's hold commands say, with the watcher told.
// Returns only when the run is over and its picture shown, with what it showed. Throws
// RuntimeError when a setting is not a number.
RunResult runDemonstration(Canvas &canvas, const Settings &settings, RunPacer &pacer,
                           HoldWatcher *watcher = nullptr);
