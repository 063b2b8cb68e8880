#pragma once

#include <windows.h>

class frmKymora;

// During a run a control takes no input and nothing that would change it, from whatever sender:
// each such message waits, in order, for the run's end, and is then sent to it again. The
// control is subclassed for this.
void holdMessagesDuringRuns(HWND control, frmKymora &form);
