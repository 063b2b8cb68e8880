#include "win32/ClientScroll.h"

#include "design/WindowDesign.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// How far one step of a scroll arrow or the mouse wheel moves the client area, in design pixels.
constexpr int scrollStep = 20;
constexpr int wheelSteps = 3;

} // namespace

ClientScroll::ClientScroll(HWND window, const WindowScale &scale, std::function<void()> moved)
    : window_(window), scale_(scale), moved_(std::move(moved)) {}

SIZE ClientScroll::contentSize() const {
    const ClientSize client = clientAreaSize();
    return {scale_.toDevice(client.width), scale_.toDevice(client.height)};
}

POINT ClientScroll::shownFrom() const {
    RECT client;
    GetClientRect(window_, &client);
    const SIZE content = contentSize();
    return {origin_.x - std::max(LONG(0), (client.right - content.cx) / 2),
            origin_.y - std::max(LONG(0), (client.bottom - content.cy) / 2)};
}

void ClientScroll::rescaled(const WindowScale &before) {
    const auto kept = [&](LONG position) {
        return std::lround(position * scale_.dpi() / before.dpi());
    };
    origin_ = {kept(origin_.x), kept(origin_.y)};
}

RECT ClientScroll::windowForWholeClientArea() const {
    const SIZE content = contentSize();
    RECT frame{0, 0, content.cx, content.cy};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
    AdjustWindowRectExForDpi(&frame, style & ~(WS_HSCROLL | WS_VSCROLL), FALSE, exStyle,
                             monitorDpi());
    RECT now;
    GetWindowRect(window_, &now);
    OffsetRect(&frame, now.left - frame.left, now.top - frame.top);
    return frame;
}

void ClientScroll::fitWindow(const RECT &wanted) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT &work = monitor.rcWork;
    const int width = std::min(wanted.right - wanted.left, work.right - work.left);
    const int height = std::min(wanted.bottom - wanted.top, work.bottom - work.top);
    const int left = std::clamp(static_cast<int>(wanted.left), static_cast<int>(work.left),
                                static_cast<int>(work.right) - width);
    const int top = std::clamp(static_cast<int>(wanted.top), static_cast<int>(work.top),
                               static_cast<int>(work.bottom) - height);
    SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    update();
}

// The client area's size with no scroll bar shown.
SIZE ClientScroll::clientSizeWithoutScrollBars() const {
    RECT client;
    GetClientRect(window_, &client);
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    const UINT dpi = monitorDpi();
    return {client.right + ((style & WS_VSCROLL) ? GetSystemMetricsForDpi(SM_CXVSCROLL, dpi) : 0),
            client.bottom + ((style & WS_HSCROLL) ? GetSystemMetricsForDpi(SM_CYHSCROLL, dpi) : 0)};
}

// A scroll bar is shown only along a side where the content does not fit; the other bar, where
// it is shown, takes room from this side.
void ClientScroll::update() {
    if (updating_)
        return;
    updating_ = true;
    const SIZE content = contentSize();
    SIZE shown = clientSizeWithoutScrollBars();
    const UINT dpi = monitorDpi();
    bool horizontal = content.cx > shown.cx;
    const bool vertical =
        content.cy > shown.cy - (horizontal ? GetSystemMetricsForDpi(SM_CYHSCROLL, dpi) : 0);
    if (vertical)
        shown.cx -= GetSystemMetricsForDpi(SM_CXVSCROLL, dpi);
    horizontal = content.cx > shown.cx;
    if (horizontal)
        shown.cy -= GetSystemMetricsForDpi(SM_CYHSCROLL, dpi);

    const POINT before = origin_;
    const auto show = [this](int bar, LONG length, LONG page, LONG &position) {
        position = std::clamp(position, LONG(0), std::max(LONG(0), length - page));
        SCROLLINFO info{sizeof(info),
                        SIF_RANGE | SIF_PAGE | SIF_POS,
                        0,
                        length - 1,
                        static_cast<UINT>(std::max(LONG(0), page)),
                        position,
                        0};
        SetScrollInfo(window_, bar, &info, TRUE);
    };
    show(SB_HORZ, content.cx, shown.cx, origin_.x);
    show(SB_VERT, content.cy, shown.cy, origin_.y);
    updating_ = false;
    if (before.x != origin_.x || before.y != origin_.y)
        moved_();
}

void ClientScroll::scrollBy(int dx, int dy) {
    RECT client;
    GetClientRect(window_, &client);
    const SIZE content = contentSize();
    const POINT wanted{
        std::clamp(origin_.x + dx, LONG(0), std::max(LONG(0), content.cx - client.right)),
        std::clamp(origin_.y + dy, LONG(0), std::max(LONG(0), content.cy - client.bottom))};
    if (wanted.x == origin_.x && wanted.y == origin_.y)
        return;
    origin_ = wanted;
    SetScrollPos(window_, SB_HORZ, origin_.x, TRUE);
    SetScrollPos(window_, SB_VERT, origin_.y, TRUE);
    moved_();
}

// The codes of both bars: SB_LINELEFT is SB_LINEUP, SB_LEFT is SB_TOP, and so on.
void ClientScroll::scroll(int bar, UINT code, int position) {
    RECT client;
    GetClientRect(window_, &client);
    const bool horizontal = bar == SB_HORZ;
    const int page = horizontal ? client.right : client.bottom;
    const int now = horizontal ? origin_.x : origin_.y;
    const SIZE content = contentSize();
    int by = 0;
    switch (code) {
    case SB_LINEUP:
        by = -scale_.toDevice(scrollStep);
        break;
    case SB_LINEDOWN:
        by = scale_.toDevice(scrollStep);
        break;
    case SB_PAGEUP:
        by = -page;
        break;
    case SB_PAGEDOWN:
        by = page;
        break;
    case SB_TOP:
        by = -now;
        break;
    case SB_BOTTOM:
        by = horizontal ? content.cx : content.cy;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        by = position - now;
        break;
    default:
        return;
    }
    if (horizontal)
        scrollBy(by, 0);
    else
        scrollBy(0, by);
}

void ClientScroll::wheel(int delta, bool sideways) {
    const int step = -MulDiv(delta, scale_.toDevice(wheelSteps * scrollStep), WHEEL_DELTA);
    if (sideways)
        scrollBy(step, 0);
    else
        scrollBy(0, step);
}
