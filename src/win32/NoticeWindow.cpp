#include "win32/NoticeWindow.h"

#include "design/WindowDesign.h"
#include "win32/ControlFonts.h"
#include "win32/ControlIds.h"
#include "win32/Text.h"

#include <algorithm>
#include <string>

namespace {

constexpr COLORREF noticeText = RGB(255, 255, 255);
constexpr COLORREF noticeBackground = RGB(24, 24, 24);
// Twice the controls' font, bold, in a face with the arrows the notice names its keys by.
FontDesign noticeFont() {
    return {"Arial", FontFamily::sansSerif, "Liberation Sans",
            2 * fontDesign(ControlFont::window).pointSize, true};
}
// Where the notice stands, in design pixels: in the band that the picture leaves free below the
// heading and the speed bar, centred right of the frames (or nearer them, should a language's
// words need it), clear of the chain of vectors below.
constexpr int noticeCentre = 480;
constexpr int noticeTop = 68;
// Around the text, in design pixels.
constexpr int padding = 8;

} // namespace

NoticeWindow::NoticeWindow(HWND parent, HINSTANCE instance)
    : window_(CreateWindowExW(
          0, L"STATIC", L"", WS_CHILD | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0, 0, 0, 0,
          parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(noticeId)), instance, nullptr)),
      background_(CreateSolidBrush(noticeBackground)) {}

void NoticeWindow::show(std::string_view text) {
    SetWindowTextW(window_, toWide(text).c_str());
    place();
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void NoticeWindow::hide() {
    ShowWindow(window_, SW_HIDE);
}

void NoticeWindow::layOut(const WindowScale &scale, POINT shownFrom) {
    if (!font_ || scale.dpi() != scale_.dpi()) {
        font_.reset(createFont(noticeFont(), scale.dpi()));
        SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    scale_ = scale;
    shownFrom_ = shownFrom;
    place();
}

// As wide as its text, and as high as a line of it, with the padding around.
void NoticeWindow::place() const {
    const std::wstring text = windowText(window_);
    HDC dc = GetDC(window_);
    SIZE size{};
    {
        const Selection selected(dc, font_.get());
        GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    }
    ReleaseDC(window_, dc);
    const int width = size.cx + 2 * scale_.toDevice(padding);
    const int height = size.cy + 2 * scale_.toDevice(padding);
    const int right = scale_.toDevice(clientAreaSize().width - padding);
    const int left = std::min(scale_.toDevice(noticeCentre) - width / 2, right - width);
    MoveWindow(window_, left - shownFrom_.x, scale_.toDevice(noticeTop) - shownFrom_.y, width,
               height, IsWindowVisible(window_));
}

HBRUSH NoticeWindow::colour(HWND control, HDC dc) const {
    if (control != window_)
        return nullptr;
    SetTextColor(dc, noticeText);
    SetBkColor(dc, noticeBackground);
    return background_.get();
}
