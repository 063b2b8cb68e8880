#pragma once

// Makes the surface's captions part of the window's accessible tree: each caption is static
// text named by its own text, at its place on the surface, and invisible while it is hidden.
// Installed once, the first time a surface is created.
void installSurfaceAccessibility();
