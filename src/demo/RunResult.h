#pragma once

// What a run showed when it ended: the settings it read for its result, the length of the green
// resultant from the chain's start to its end, and whether it marked the detector lit.
struct RunResult {
    double detectorOffset = 0; // nPoloha
    double mirrorStep = 0;     // nDifrakce
    double frequency = 0;      // nKmitocet
    double resultantLength = 0;
    bool detectorLit = false;
};
