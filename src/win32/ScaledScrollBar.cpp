#include "win32/ScaledScrollBar.h"

#include "win32/ScrollBarDrawing.h"
#include "win32/ScrollBarLayout.h"
#include "win32/SystemColours.h"
#include "win32/ThemeAtDpi.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cmath>
#include <utility>

namespace {

// As the platform's scroll bar: an arrow or the track held down repeats its step after a pause,
// then at a steady pace.
constexpr UINT firstRepeatMs = 200;
constexpr UINT repeatMs = 50;
constexpr UINT_PTR repeatTimer = 1;

using Part = ScrollBarPart;
using Layout = ScrollBarLayout;

struct Bar {
    HWND window;
    const ControlDesign *design;
    const WindowScale *scale;
    const ShownColours *colours;
    ScrollBarPointer mouse;
};

// The bar's parts at its resolution, the thumb where a drag has moved it.
Layout layoutOf(const Bar &bar) {
    RECT client;
    GetClientRect(bar.window, &client);
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(bar.window, SB_CTL, &info);
    const auto dpi = static_cast<UINT>(std::lround(bar.scale->dpi()));
    Layout layout{client.right, client.bottom, GetSystemMetricsForDpi(SM_CXHSCROLL, dpi), 0,
                  info.nMin,    info.nMax};
    layout.thumbLeft = bar.mouse.held == Part::thumb ? layout.clampedLeft(bar.mouse.dragLeft)
                                                     : layout.leftFor(info.nPos);
    return layout;
}

// The parts in the desktop's visual style where the bar has one, else in the classic look; the
// track in the parent's colours, as the platform's bar has it.
void paintInDesktopLook(const Bar &bar, const Layout &layout, HDC dc) {
    const auto track = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(bar.window), WM_CTLCOLORSCROLLBAR, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(bar.window)));
    const ThemeAtDpi theme(bar.window, L"ScrollBar", bar.scale->dpi());
    drawScrollBar(layout, bar.mouse, dc, theme.get(), track);
}

// Flat, the track in the bar's face, the arrows in its text's colour.
void paintFlat(const Bar &bar, const Layout &layout, HDC dc) {
    const ShownColours &colours = *bar.colours;
    drawFlatScrollBar(layout, bar.mouse, dc,
                      {toColorRef(colours.faceOf(*bar.design)), toColorRef(colours.edgeShadow()),
                       toColorRef(colours.textOf(*bar.design))});
}

// In the desktop's look, or flat in the colours shown. A focused bar's caret, its thumb blinking,
// follows the thumb.
void paint(const Bar &bar, HDC dc) {
    const Layout layout = layoutOf(bar);
    if (bar.colours->drawsOwnMarks())
        paintFlat(bar, layout, dc);
    else
        paintInDesktopLook(bar, layout, dc);
    if (GetFocus() == bar.window)
        SetCaretPos(layout.thumbLeft + 1, 1);
}

void redraw(const Bar &bar) {
    RedrawWindow(bar.window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void notify(const Bar &bar, UINT code, int value = 0) {
    SendMessageW(GetParent(bar.window), WM_HSCROLL, MAKEWPARAM(code, value),
                 reinterpret_cast<LPARAM>(bar.window));
}

// Where the pointer is; the bar hears when it leaves.
void notePointer(Bar &bar, POINT point) {
    if (!bar.mouse.pointer) {
        TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, bar.window, 0};
        TrackMouseEvent(&leave);
    }
    bar.mouse.pointer = point;
}

// A press on an arrow or the track steps at once and repeats; one on the thumb begins a drag.
void press(Bar &bar, POINT point) {
    notePointer(bar, point);
    const Layout layout = layoutOf(bar);
    const Part part = layout.at(point);
    if (part == Part::none)
        return;
    if (GetWindowLongPtrW(bar.window, GWL_STYLE) & WS_TABSTOP)
        SetFocus(bar.window);
    HideCaret(bar.window);
    SetCapture(bar.window);
    bar.mouse.grab(part, point, layout.thumbLeft);
    if (part != Part::thumb) {
        notify(bar, scrollCodeOf(part));
        SetTimer(bar.window, repeatTimer, firstRepeatMs, nullptr);
    }
    redraw(bar);
}

// The pointer moves: the dragged thumb with it, and what looks hot or pressed after it.
void move(Bar &bar, POINT point) {
    const Layout before = layoutOf(bar);
    const Part wasUnder = bar.mouse.pointer ? before.at(*bar.mouse.pointer) : Part::none;
    notePointer(bar, point);
    if (bar.mouse.held != Part::thumb) {
        if (before.at(point) != wasUnder)
            redraw(bar);
        return;
    }
    bar.mouse.dragTo(before, point);
    const Layout after = layoutOf(bar);
    if (after.valueAt(after.thumbLeft) != before.valueAt(before.thumbLeft))
        notify(bar, SB_THUMBTRACK, after.valueAt(after.thumbLeft));
    redraw(bar);
}

// The button goes up, or the bar loses the mouse: a drag ends where the thumb is.
void release(Bar &bar) {
    if (bar.mouse.held == Part::none)
        return;
    KillTimer(bar.window, repeatTimer);
    if (bar.mouse.held == Part::thumb) {
        const Layout layout = layoutOf(bar);
        notify(bar, SB_THUMBPOSITION, layout.valueAt(layout.thumbLeft));
    }
    bar.mouse.held = Part::none;
    notify(bar, SB_ENDSCROLL);
    ReleaseCapture();
    if (GetFocus() == bar.window)
        ShowCaret(bar.window);
    redraw(bar);
}

void repeat(Bar &bar) {
    if (bar.mouse.held == Part::none || bar.mouse.held == Part::thumb)
        return;
    if (bar.mouse.pointer && layoutOf(bar).at(*bar.mouse.pointer) == bar.mouse.held)
        notify(bar, scrollCodeOf(bar.mouse.held));
    SetTimer(bar.window, repeatTimer, repeatMs, nullptr);
}

// The platform's caret on the thumb, where this bar draws it.
void showCaret(const Bar &bar) {
    const Layout layout = layoutOf(bar);
    CreateCaret(bar.window, reinterpret_cast<HBITMAP>(1), layout.arrow - 2, layout.height - 2);
    SetCaretPos(layout.thumbLeft + 1, 1);
    ShowCaret(bar.window);
}

// What an accessibility tool reads of the parts' places, as this bar has them.
LRESULT describe(const Bar &bar, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefSubclassProc(bar.window, SBM_GETSCROLLBARINFO, wParam, lParam);
    auto &info = *reinterpret_cast<SCROLLBARINFO *>(lParam);
    const Layout layout = layoutOf(bar);
    info.dxyLineButton = layout.arrow;
    info.xyThumbTop = layout.thumbLeft;
    info.xyThumbBottom = layout.thumbLeft + layout.arrow;
    return result;
}

// A new range or position is drawn here, not by the platform's bar: the message goes on with
// its redraw flag cleared.
LRESULT setAndRedraw(const Bar &bar, UINT message, WPARAM wParam, LPARAM lParam) {
    bool wanted = true;
    if (message == SBM_SETPOS)
        wanted = std::exchange(lParam, FALSE) != 0;
    else if (message == SBM_SETSCROLLINFO)
        wanted = std::exchange(wParam, FALSE) != 0;
    else
        message = SBM_SETRANGE;
    const LRESULT result = DefSubclassProc(bar.window, message, wParam, lParam);
    if (wanted)
        redraw(bar);
    return result;
}

LRESULT handlePointer(Bar &bar, UINT message, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        press(bar, point);
        break;
    case WM_MOUSEMOVE:
        move(bar, point);
        break;
    case WM_LBUTTONUP:
        release(bar);
        break;
    default: // the pointer left
        if (bar.mouse.held == Part::none)
            bar.mouse.pointer.reset();
        redraw(bar);
    }
    return 0;
}

LRESULT CALLBACK scaledProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR reference) {
    Bar &bar = *reinterpret_cast<Bar *>(reference);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_MOUSELEAVE:
        return handlePointer(bar, message, lParam);
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window)
            release(bar);
        return 0;
    case WM_TIMER:
        if (wParam == repeatTimer)
            repeat(bar);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT area;
        paint(bar, BeginPaint(window, &area));
        EndPaint(window, &area);
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(bar, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SETFOCUS:
        showCaret(bar);
        return 0;
    case WM_KILLFOCUS:
        DestroyCaret();
        redraw(bar);
        return 0;
    case SBM_SETPOS:
    case SBM_SETRANGEREDRAW:
    case SBM_SETSCROLLINFO:
        return setAndRedraw(bar, message, wParam, lParam);
    case SBM_GETSCROLLBARINFO:
        return describe(bar, wParam, lParam);
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, scaledProcedure, 0);
        delete &bar;
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

void scaleScrollBar(HWND bar, const ControlDesign &design, const WindowScale &scale,
                    const ShownColours &colours) {
    SetWindowSubclass(bar, scaledProcedure, 0,
                      reinterpret_cast<DWORD_PTR>(new Bar{bar, &design, &scale, &colours, {}}));
}
