#pragma once

class PictureSurface;

// Makes the surface's captions part of the window's accessible tree: each caption is static
// text named by its own text, at its place on the surface, and invisible while it is hidden.
// Each caption has an object of its own for this, named after it, with the surface as parent.
void makeCaptionsAccessible(PictureSurface *surface);
