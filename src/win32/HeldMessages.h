#pragma once

#include <windows.h>

class frmKymora;

// Keyboard and mouse messages, of the client and non-client areas, and raw input.
bool isUserInput(UINT message);

// During a run a control takes no input and nothing that would change it, from whatever sender:
// each such message waits, in order, in the form's queue for the run's end, and is then sent to
// it again. The control is subclassed for this: the door of messages sent to a control, which
// no queue sees (HeldInput.h says which holds what).
void holdMessagesDuringRuns(HWND control, frmKymora &form);
