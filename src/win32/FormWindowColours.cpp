#include "win32/FormWindow.h"

#include "win32/SystemColours.h"

// The colours the window shows: the system's, handed to the form, which chooses those shown;
// the colours key; and the controls' colours.

// C, wherever the focus is, switches between the design's colours and the projector's; held
// down, it switches once.
bool FormWindow::handleColoursKey(const MSG &message) {
    const bool isC = message.message == WM_KEYDOWN && message.wParam == 'C' &&
                     (HIWORD(message.lParam) & KF_REPEAT) == 0;
    const bool plain = GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
    if (!isC || !plain || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
        return false;
    form_->switchColours();
    return true;
}

// A contrast theme switched on or off, or new system colours: the form hears of them as they are
// now, and the common controls, the window's children, hear of the change as Windows expects.
void FormWindow::followSystemColours(UINT message) {
    if (message == WM_SYSCOLORCHANGE)
        for (HWND child = GetWindow(window_, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT))
            SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    form_->systemColoursChanged(readSystemColours(), readSystemContrast());
}

// The picture is drawn anew in the new colours, and every control paints itself again in them.
void FormWindow::showColours(const ShownColours &colours) {
    colours_ = colours;
    brushes_.clear();
    surface_->showColours(colours);
    controls_->repaint();
}

HBRUSH FormWindow::brushOf(Colour colour) {
    auto [brush, made] = brushes_.try_emplace(colour);
    if (made)
        brush->second.reset(CreateSolidBrush(toColorRef(colour)));
    return brush->second.get();
}

// Every control shows its face, the text in its colour; the notice has its own.
HBRUSH FormWindow::OnCtlColor(HWND, HDC dc, HWND control, int) {
    if (HBRUSH notice = notice_->colour(control, dc))
        return notice;
    const NativeControls::Control *entry = controls_->of(control);
    const Colour face = entry ? colours_.faceOf(*entry->design) : colours_.background();
    SetTextColor(
        dc, toColorRef(entry ? colours_.textOf(*entry->design) : colours_.of(colour::buttonText)));
    SetBkColor(dc, toColorRef(face));
    return brushOf(face);
}
