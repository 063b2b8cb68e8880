#include "win32/FormWindow.h"

#include "demo/RuntimeError.h"
#include "form/Translation.h"
#include "win32/Text.h"

#include <string>

// What the form asks of the window: its fields, options and scroll bar, what screen readers
// hear, the held run's notice, an error and the end.

namespace {

constexpr wchar_t programName[] = L"Kymora";

} // namespace

std::string FormWindow::text(SettingField field) const {
    return toUtf8(windowText((*controls_)[fieldName(field)]));
}

void FormWindow::setText(SettingField field, std::string_view text) {
    SetWindowTextW((*controls_)[fieldName(field)], toWide(text).c_str());
}

void FormWindow::check(Option option) {
    controls_->check(optionName(option));
}

int FormWindow::scrollBarValue() const {
    return GetScrollPos((*controls_)["HScroll1"], SB_CTL);
}

void FormWindow::setScrollBarValue(int value) {
    SetScrollPos((*controls_)["HScroll1"], SB_CTL, value, TRUE);
}

// The picture's accessible object takes the description as its name, and screen readers are told;
// an empty one, at a run's start, clears it silently, so that the same words are told again.
void FormWindow::announce(std::string_view description) {
    SetWindowTextW(pictureDescription_, toWide(description).c_str());
    if (description.empty())
        return;
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, pictureDescription_, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, pictureDescription_, OBJID_CLIENT, CHILDID_SELF);
}

void FormWindow::reportError(const RuntimeError &error) {
    MessageBoxW(window_, toWide(errorMessage(error)).c_str(), programName, MB_OK | MB_ICONERROR);
}

void FormWindow::unload(int exitCode) {
    exitCode_ = exitCode;
    DestroyWindow(window_);
}

void FormWindow::showNotice(std::string_view text) {
    notice_->show(text);
}

void FormWindow::hideNotice() {
    notice_->hide();
}
