#pragma once

// The scene of one run: the mirror line with its strip grid, the source, the detector, the
// phase factor and the start and running end of the arrow chain. Filled anew by the scene
// set-up at every press of Start; the strip animation advances the chain end.
//
// Pixels of the client area, x to the right and y downwards.
struct SceneGeometry {
    int mirrorLeft = 0;   // x origin of the strip grid
    int mirrorY = 0;      // y of the mirror line
    int arrowLength = 0;  // length of a photon vector; a chain link is twice as long
    int stripWidth = 0;   // width of one strip
    double halfStrip = 0; // half a strip width, the advance per unit of the half-strip counter
    int firstStrip = 0;   // index of the leftmost strip
    int lastStrip = 0;    // index of the rightmost strip, inclusive
    int sourceX = 0;
    int sourceY = 0;
    double detectorX = 0;
    int detectorY = 0;
    double phaseFactor = 0; // radians per unit of path value
    double sumOriginX = 0;  // where the arrow chain starts
    int sumOriginY = 0;
    double sumX = 0; // running end of the arrow chain
    double sumY = 0;
};
