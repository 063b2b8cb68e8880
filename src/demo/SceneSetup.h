#pragma once

#include "canvas/DrawingArea.h"
#include "demo/SceneGeometry.h"

class Canvas;
class Settings;

// The first phase of a run: puts the surface into pixels, paints the background band over the
// previous picture, computes the scene from the settings and draws the source, the detector,
// the mirror strips of the chosen kind and the dot where the arrow chain starts.
//
// Leaves the pen at pixels, DrawWidth 1, solid fill in light grey.
SceneGeometry setUpScene(Canvas &canvas, const Settings &settings);
