#include "win32/HeldInput.h"

#include "form/Keys.h"
#include "form/frmKymora.h"
#include "win32/NativeControls.h"

#include <windowsx.h>

#include <optional>
#include <utility>

namespace {

// The hold keys, by their virtual-key codes.
std::optional<HoldKeyName> holdKeyOf(WPARAM key) {
    switch (key) {
    case 'P':
        return HoldKeyName::p;
    case VK_PAUSE:
        return HoldKeyName::pause;
    case VK_RIGHT:
        return HoldKeyName::right;
    case VK_NEXT:
        return HoldKeyName::pageDown;
    case VK_LEFT:
        return HoldKeyName::left;
    case VK_PRIOR:
        return HoldKeyName::pageUp;
    default:
        return std::nullopt;
    }
}

bool isRepeat(const MSG &message) {
    return (HIWORD(message.lParam) & KF_REPEAT) != 0;
}

bool isPointerMove(UINT message) {
    return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE;
}

// The release of a mouse button's press or double click; none for other messages.
std::optional<UINT> releaseOf(UINT press) {
    switch (press) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return WM_LBUTTONUP;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        return WM_RBUTTONUP;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return WM_MBUTTONUP;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONDBLCLK:
        return WM_XBUTTONUP;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        return WM_NCLBUTTONUP;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
        return WM_NCRBUTTONUP;
    default:
        return std::nullopt;
    }
}

} // namespace

HeldInput::HeldInput(HWND window, frmKymora &form, const NativeControls &controls, Handle handle)
    : window_(window), form_(form), controls_(controls), handle_(std::move(handle)) {}

void HeldInput::take(const MSG &message) {
    if (isPointerMove(message.message))
        return;
    if (asksToClose(message)) {
        SendMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
        return;
    }
    if (isReleaseOfTaken(message) || takenAsHold(message))
        return;
    holdForAfterTheRun(message);
}

bool HeldInput::asksToClose(const MSG &message) const {
    const bool altF4 = message.message == WM_SYSKEYDOWN && message.wParam == VK_F4 &&
                       (HIWORD(message.lParam) & KF_ALTDOWN) != 0;
    const bool closeButton = message.message == WM_NCLBUTTONDOWN && message.wParam == HTCLOSE;
    return altF4 || closeButton;
}

// A key held down acts once: its repeats go with it.
bool HeldInput::takenAsHold(const MSG &message) {
    if (message.message == WM_KEYDOWN) {
        if (isRepeat(message) && keysTaken_.contains(message.wParam))
            return true;
        const std::optional<HoldKeyName> key = holdKeyOf(message.wParam);
        if (!key || !form_.hold(holdCommandOf(*key)))
            return false;
        keysTaken_.insert(message.wParam);
        return true;
    }
    if (message.message == WM_LBUTTONDOWN) {
        pictureButtonTaken_ = isOnPicture(message) && form_.hold(HoldCommand::holdOrGoOn);
        return pictureButtonTaken_;
    }
    return false;
}

bool HeldInput::isReleaseOfTaken(const MSG &message) {
    if (message.message == WM_KEYUP)
        return keysTaken_.erase(message.wParam) > 0;
    if (message.message == WM_LBUTTONUP)
        return std::exchange(pictureButtonTaken_, false);
    return false;
}

// The client area outside the controls: the picture, and the notice over it.
bool HeldInput::isOnPicture(const MSG &message) const {
    if (message.hwnd != window_)
        return false;
    const POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    HWND child = ChildWindowFromPointEx(window_, at, CWP_SKIPINVISIBLE);
    return child == window_ || (child && !controls_.of(child));
}

// The message is handled after the run with the keyboard's state that it came with, so that
// Shift+Tab and Ctrl+Plus are what they were; a press, with its release should it come during
// the run.
void HeldInput::holdForAfterTheRun(const MSG &message) {
    HeldMessage held{message, {}};
    GetKeyboardState(held.keys.data());
    if (const auto press = releases_.find(message.message); press != releases_.end()) {
        *press->second = held;
        releases_.erase(press);
        return;
    }
    auto release = std::make_shared<std::optional<HeldMessage>>();
    if (const std::optional<UINT> releasedBy = releaseOf(message.message))
        releases_[*releasedBy] = release;
    form_.whenIdle([this, held, release] {
        std::erase_if(releases_, [&](const auto &waiting) { return waiting.second == release; });
        handleAgain(held);
        if (*release)
            handleAgain(**release);
    });
}

void HeldInput::handleAgain(const HeldMessage &held) {
    KeyboardState keys = held.keys;
    SetKeyboardState(keys.data());
    handle_(held.message);
}
