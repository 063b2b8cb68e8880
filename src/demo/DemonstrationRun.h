#pragma once

class Canvas;
class Settings;

// One press of Start: the whole demonstration, drawn onto the canvas with the settings as they
// stand. Returns only when the run is over. Throws RuntimeError when a setting is not a number.
void runDemonstration(Canvas &canvas, const Settings &settings);
