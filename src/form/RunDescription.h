#pragma once

#include "demo/RunResult.h"

#include <string>

// What a run showed, in words for assistive technology: its settings by the captions of the
// frames and option buttons that choose them, whether the detector is lit and how long the
// resultant is. "Mirror: Grating. Frequency: 2. Detector position: Far. The detector is lit.
// The resultant is 165.1 long."
std::string describeRun(const RunResult &result);
