#pragma once

#include <QImage>
#include <QList>
#include <QRect>

// The Qt program's finished picture of one combination of settings, which the Windows program's
// and the web page's pictures are held against, with the areas a comparison leaves out: the
// captions' text, the frame that lies above the drawing area, and the source's disc, whose
// colour is the system's colour of title-bar text, not the same on every system.
struct ReferencePicture {
    QImage picture;
    QList<QRect> leftOut;
};

ReferencePicture referencePicture(bool near, bool grating, bool frequencyTwo);

// The share of the drawing area's pixels, the left-out areas aside, whose ink the other picture
// has nowhere within a pixel of them, looked at both ways. Ink is what is not the background's
// grey, told apart as dark, white or green; antialiased edges, paler than ink, count as
// background. The programs rasterise a line or a circle's edge a pixel apart here and there; a
// feature that one draws and the other does not shows. A picture drawn at a zoom is compared at
// the design's pixels.
double unmatchedShare(const QImage &picture, const ReferencePicture &reference);
