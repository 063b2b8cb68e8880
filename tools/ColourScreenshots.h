#pragma once

class QDir;

// Saves a finished run in the projector's colours and in high contrast (a white-on-black
// contrast theme as the application's palette), and prints the contrast ratios measured on them:
// each line of the picture against the background it lies on, the resultant against the
// background and the chain's links, a caption's text against the background; and the design's,
// unsaved, beside them.
bool saveInColours(const QDir &directory);
