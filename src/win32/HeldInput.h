#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

class frmKymora;
class NativeControls;

// During a run the window acts on no input but the hold's (src/demo/RunPacer.h): whatever else
// the user or another program does waits, in order, in one queue, the form's (whenIdle), where
// the close requests and the other calls that reach the form during a run wait too, and is done
// there once the run is over. Input comes into that queue by two doors:
//
// - the thread's message queue, which the run's waits (WindowPacer) empty: each key, mouse
//   button and wheel turn, whoever sent or posted it, is handed to take() below, which makes a
//   hold command of it, asks for the window to close, or queues it to be handled as the message
//   loop handles it, with the keyboard's state as it was. A mouse button's release is handled
//   right after its press, so that a message sent meanwhile (which the queue hands over before
//   any input) does not come between them and take the click. The pointer's moves are let go:
//   the system tells where the pointer is with its next move.
// - each control's window procedure (holdMessagesDuringRuns, HeldMessages.h): a message sent to
//   a control, which no queue sees, that is input or would change the control, is queued to be
//   sent to it again.
//
// A close request (WM_CLOSE, SC_CLOSE, Alt+F4, the title bar's close button) is no input: it
// reaches the form at once, which lets go of a held run and closes the window after it. Nothing
// else holds input: the pacer keeps none of its own.
class HeldInput {
public:
    // handle: does with a message what the message loop does with it.
    using Handle = std::function<void(const MSG &)>;
    HeldInput(HWND window, frmKymora &form, const NativeControls &controls, Handle handle);
    HeldInput(const HeldInput &) = delete;
    HeldInput &operator=(const HeldInput &) = delete;

    // A key, mouse button, wheel turn or move taken from the queue while a run waits. P, Pause
    // and a left-button press on the picture hold the run or let it go on, → and Page Down step
    // it forward, ← and Page Up back, when the form takes them; their releases go with them.
    void take(const MSG &message);

private:
    using KeyboardState = std::array<BYTE, 256>;
    struct HeldMessage {
        MSG message;
        KeyboardState keys; // as it came
    };
    using Release = std::shared_ptr<std::optional<HeldMessage>>;

    bool asksToClose(const MSG &message) const;
    bool takenAsHold(const MSG &message);
    bool isReleaseOfTaken(const MSG &message);
    bool isOnPicture(const MSG &message) const;
    void holdForAfterTheRun(const MSG &message);
    void handleAgain(const HeldMessage &held);

    HWND window_;
    frmKymora &form_;
    const NativeControls &controls_;
    Handle handle_;
    std::set<WPARAM> keysTaken_;
    bool pictureButtonTaken_ = false;
    std::map<UINT, Release> releases_; // by the release message a held press waits for
};
