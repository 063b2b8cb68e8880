#include "win32/NativeControls.h"

#include "form/Translation.h"
#include "win32/ClassicLook.h"
#include "win32/ControlFonts.h"
#include "win32/ControlIds.h"
#include "win32/ScaledScrollBar.h"
#include "win32/Text.h"

#include <windowsx.h>

#include <algorithm>

namespace {

// The window class and styles of a control of each kind.
struct NativeControl {
    const wchar_t *windowClass;
    DWORD style;
};

NativeControl nativeControl(ControlKind kind) {
    switch (kind) {
    case ControlKind::scrollBar:
        return {L"SCROLLBAR", SBS_HORZ | WS_TABSTOP};
    case ControlKind::settingsField:
        return {L"EDIT", ES_AUTOHSCROLL | WS_BORDER};
    case ControlKind::frame:
        return {L"BUTTON", BS_GROUPBOX};
    case ControlKind::option:
        return {L"BUTTON", BS_AUTORADIOBUTTON};
    case ControlKind::command:
        return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP};
    case ControlKind::caption:
        break;
    }
    return {nullptr, 0};
}

HWND create(const ControlDesign &design, HWND parent, HINSTANCE instance, const WindowScale &scale,
            const ShownColours &colours) {
    const NativeControl native = nativeControl(design.kind);
    if (!native.windowClass)
        return nullptr;
    const DWORD visible = isShownAtStart(design) ? WS_VISIBLE : 0;
    HWND created = CreateWindowExW(
        0, native.windowClass, toWide(captionOf(design)).c_str(),
        WS_CHILD | WS_CLIPSIBLINGS | native.style | visible, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(design))), instance, nullptr);
    if (design.kind == ControlKind::frame)
        paintAsClassicFrame(created, scale, colours);
    if (design.kind == ControlKind::scrollBar) {
        SetScrollRange(created, SB_CTL, speedMinimum, speedMaximum, FALSE);
        SetScrollPos(created, SB_CTL, speedMinimum, FALSE);
        scaleScrollBar(created, design, scale, colours);
    }
    return created;
}

} // namespace

std::optional<SpeedBarMove> speedBarMoveOf(UINT code) {
    switch (code) {
    case SB_LINELEFT:
    case SB_PAGELEFT:
        return SpeedBarMove::stepDown;
    case SB_LINERIGHT:
    case SB_PAGERIGHT:
        return SpeedBarMove::stepUp;
    case SB_LEFT:
        return SpeedBarMove::toMinimum;
    case SB_RIGHT:
        return SpeedBarMove::toMaximum;
    case SB_THUMBPOSITION:
        return SpeedBarMove::thumbTo;
    default:
        return std::nullopt;
    }
}

NativeControls::NativeControls(HWND parent, HINSTANCE instance, const WindowScale &scale,
                               const ShownColours &colours)
    : scale_(scale) {
    for (const ControlDesign &design : windowControls())
        controls_.push_back({&design, create(design, parent, instance, scale, colours)});
    orderForTabbing();
}

HWND NativeControls::operator[](std::string_view name) const {
    for (const Control &entry : controls_)
        if (entry.design->name == name)
            return entry.window;
    return nullptr;
}

const NativeControls::Control *NativeControls::of(HWND window) const {
    for (const Control &entry : controls_)
        if (entry.window && entry.window == window)
            return &entry;
    return nullptr;
}

void NativeControls::check(std::string_view option) const {
    const std::string_view frame = findControl(option)->container;
    for (const Control &entry : controls_) {
        if (entry.design->kind != ControlKind::option || entry.design->container != frame)
            continue;
        const bool selected = entry.design->name == option;
        Button_SetCheck(entry.window, selected ? BST_CHECKED : BST_UNCHECKED);
        const LONG_PTR style = GetWindowLongPtrW(entry.window, GWL_STYLE);
        SetWindowLongPtrW(entry.window, GWL_STYLE,
                          selected ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
    }
}

// Tab and the arrow keys follow the order of the controls among their siblings: the controls
// in the order of their tab indexes, then the frames, which take no focus. Each group of option
// buttons, and each other control, begins a group of its own.
void NativeControls::orderForTabbing() const {
    std::vector<const Control *> order;
    for (const Control &entry : controls_)
        if (entry.window)
            order.push_back(&entry);
    std::stable_sort(order.begin(), order.end(), [](const Control *a, const Control *b) {
        const auto rank = [](const Control *c) {
            return c->design->tabIndex == noTabStop ? controlCount : c->design->tabIndex;
        };
        return rank(a) < rank(b);
    });
    HWND previous = HWND_TOP;
    std::string_view previousContainer = "-";
    for (const Control *entry : order) {
        const bool startsGroup = entry->design->kind != ControlKind::option ||
                                 entry->design->container != previousContainer;
        if (startsGroup) {
            const LONG_PTR style = GetWindowLongPtrW(entry->window, GWL_STYLE);
            SetWindowLongPtrW(entry->window, GWL_STYLE, style | WS_GROUP);
        }
        SetWindowPos(entry->window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = entry->window;
        previousContainer = entry->design->container;
    }
}

void NativeControls::repaint() const {
    for (const Control &entry : controls_)
        if (entry.window)
            InvalidateRect(entry.window, nullptr, TRUE);
}

// Option buttons are the window's own children, placed within their frame.
void NativeControls::layOut(POINT origin, const ControlFonts &fonts) const {
    for (const Control &entry : controls_) {
        if (!entry.window)
            continue;
        const PixelRect place = placeInClientArea(*entry.design);
        MoveWindow(entry.window, scale_.toDevice(place.left) - origin.x,
                   scale_.toDevice(place.top) - origin.y, scale_.toDevice(place.width),
                   scale_.toDevice(place.height), TRUE);
        SetWindowFont(entry.window, fonts.get(entry.design->font), TRUE);
    }
}
