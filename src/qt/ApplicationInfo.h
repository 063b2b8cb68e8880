#pragma once

// Gives the application its name and version, "Kymora" and "1.00", as its version record on
// Windows does, and the id of its desktop entry.
void describeApplication();
