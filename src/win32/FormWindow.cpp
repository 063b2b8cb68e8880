#include "win32/FormWindow.h"

#include "demo/RuntimeError.h"
#include "win32/ClassicLook.h"
#include "win32/ControlIds.h"
#include "win32/SystemColours.h"
#include "win32/Text.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

constexpr wchar_t windowClassName[] = L"frmKymora";
constexpr wchar_t iconName[] = L"IDI_ICON1";
constexpr wchar_t programName[] = L"Kymora";
constexpr wchar_t pictureName[] = L"Demonstration";
constexpr DWORD windowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL;
constexpr DWORD windowExStyle = WS_EX_CONTROLPARENT;
// How far one step of a scroll arrow or the mouse wheel moves the client area, in design pixels.
constexpr int scrollStep = 20;

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

bool isUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

// Messages that change what a control holds or shows as chosen.
bool changesAControl(UINT message) {
    switch (message) {
    case BM_CLICK:
    case BM_SETCHECK:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_SETSCROLLINFO:
    case WM_SETTEXT:
    case EM_REPLACESEL:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
        return true;
    default:
        return false;
    }
}

// A message to hand over again later: a copy of whatever its parameters point to goes with it.
std::function<void()> resendLater(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT || message == EM_REPLACESEL) {
        std::wstring text = lParam ? reinterpret_cast<const wchar_t *>(lParam) : L"";
        return
            [=] { SendMessageW(control, message, wParam, reinterpret_cast<LPARAM>(text.c_str())); };
    }
    if (message == SBM_SETSCROLLINFO) {
        SCROLLINFO info = *reinterpret_cast<const SCROLLINFO *>(lParam);
        return [=]() mutable {
            SendMessageW(control, message, wParam, reinterpret_cast<LPARAM>(&info));
        };
    }
    return [=] { SendMessageW(control, message, wParam, lParam); };
}

// What a scroll code of the speed bar asks of it; a drag in progress asks nothing, its end asks
// for the thumb's place.
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

} // namespace

bool FormWindow::registerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, iconName);
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance, iconName, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = windowClassName;
    return RegisterClassExW(&windowClass) != 0;
}

FormWindow::FormWindow(HINSTANCE instance)
    : instance_(instance), background_(CreateSolidBrush(toColorRef(windowBackground))) {
    const std::wstring title = toWide(windowTitlePrefix) + toWide(KYMORA_HOMEPAGE_URL);
    CreateWindowExW(windowExStyle, windowClassName, title.c_str(), windowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
}

void FormWindow::show(int how) {
    ShowWindow(window_, how);
    UpdateWindow(window_);
    SetFocus(control("cmdStart"));
}

LRESULT CALLBACK FormWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto *creation = reinterpret_cast<CREATESTRUCTW *>(lParam);
        auto *self = static_cast<FormWindow *>(creation->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<FormWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->handleMessage(window, message, wParam, lParam);
}

LRESULT FormWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_HSCROLL, OnHScroll);
        HANDLE_MSG(window, WM_VSCROLL, OnVScroll);
        HANDLE_MSG(window, WM_MOUSEWHEEL, OnMouseWheel);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_PAINT, OnPaint);
        HANDLE_MSG(window, WM_ERASEBKGND, OnEraseBkgnd);
        HANDLE_MSG(window, WM_CTLCOLORSTATIC, OnCtlColor);
        HANDLE_MSG(window, WM_CTLCOLORBTN, OnCtlColor);
        HANDLE_MSG(window, WM_DRAWITEM, OnDrawItem);
        HANDLE_MSG(window, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// During a run a control takes no input and nothing that would change it, from whatever
// sender: each such message waits, in order, for the run's end.
LRESULT CALLBACK FormWindow::controlProcedure(HWND control, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if (reinterpret_cast<FormWindow *>(self)->holdsForTheRunsEnd(control, message, wParam, lParam))
        return 0;
    return DefSubclassProc(control, message, wParam, lParam);
}

bool FormWindow::holdsForTheRunsEnd(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!form_ || !form_->isRunning() || !(isUserInput(message) || changesAControl(message)))
        return false;
    form_->whenIdle(resendLater(control, message, wParam, lParam));
    return true;
}

BOOL FormWindow::OnCreate(HWND window, LPCREATESTRUCTW) {
    dpi_ = static_cast<int>(GetDpiForWindow(window));
    fonts_ = std::make_unique<ControlFonts>(dpi_);
    surface_ = std::make_unique<GdiSurface>(window, dpi_, *fonts_);
    pacer_ = std::make_unique<WindowPacer>(window);
    createControls();
    createPictureDescription();
    FormView &view = *this;
    form_ = std::make_unique<frmKymora>(view, *surface_, *pacer_);
    fitWindowToScreen(windowRectForClientArea());
    form_->Form_Load();
    return TRUE;
}

void FormWindow::createControls() {
    for (const ControlDesign &design : windowControls()) {
        const NativeControl native = nativeControl(design.kind);
        HWND created = nullptr;
        if (native.windowClass) {
            const DWORD visible = isShownAtStart(design) ? WS_VISIBLE : 0;
            created = CreateWindowExW(
                0, native.windowClass, toWide(design.caption).c_str(),
                WS_CHILD | WS_CLIPSIBLINGS | native.style | visible, 0, 0, 0, 0, window_,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(design))), instance_,
                nullptr);
            SetWindowSubclass(created, controlProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
            if (design.kind == ControlKind::frame)
                paintAsClassicFrame(created);
        }
        controls_.push_back({&design, created});
    }
    HWND speed = control("HScroll1");
    SetScrollRange(speed, SB_CTL, speedMinimum, speedMaximum, FALSE);
    SetScrollPos(speed, SB_CTL, speedMinimum, FALSE);
    orderForTabbing();
    layOutControls();
}

// The picture's accessible object: static text with no size, which screen readers find among
// the window's children, named by what the last run showed.
void FormWindow::createPictureDescription() {
    pictureDescription_ =
        CreateWindowExW(0, L"STATIC", pictureName, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX,
                        0, 0, 0, 0, window_, nullptr, instance_, nullptr);
}

// Tab and the arrow keys follow the order of the controls among their siblings: the controls
// in the order of their tab indexes, then the frames, which take no focus. Each group of option
// buttons, and each other control, begins a group of its own.
void FormWindow::orderForTabbing() {
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

int FormWindow::scaled(int designPixels) const {
    return MulDiv(designPixels, dpi_, designDotsPerInch);
}

SIZE FormWindow::contentSize() const {
    const ClientSize client = clientAreaSize();
    return {scaled(client.width), scaled(client.height)};
}

// Places and sizes every control at the window's resolution and scroll position and gives it
// its font. Option buttons are the window's own children, placed within their frame.
void FormWindow::layOutControls() {
    for (const Control &entry : controls_) {
        if (!entry.window)
            continue;
        const PixelRect place = placeInClientArea(*entry.design);
        MoveWindow(entry.window, scaled(place.left) - origin_.x, scaled(place.top) - origin_.y,
                   scaled(place.width), scaled(place.height), TRUE);
        SetWindowFont(entry.window, fonts_->get(entry.design->font), TRUE);
    }
}

// The window that holds the whole client area, where it stands now.
RECT FormWindow::windowRectForClientArea() const {
    const SIZE content = contentSize();
    RECT frame{0, 0, content.cx, content.cy};
    AdjustWindowRectExForDpi(&frame, windowStyle & ~(WS_HSCROLL | WS_VSCROLL), FALSE, windowExStyle,
                             static_cast<UINT>(dpi_));
    RECT now;
    GetWindowRect(window_, &now);
    OffsetRect(&frame, now.left - frame.left, now.top - frame.top);
    return frame;
}

// The wanted window, made no larger than the work area of its monitor and moved inside it.
// Where the client area does not fit, the window scrolls it.
void FormWindow::fitWindowToScreen(const RECT &wanted) {
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
    updateScrollBars();
}

// The client area's size with no scroll bar shown.
SIZE FormWindow::clientSizeWithoutScrollBars() const {
    RECT client;
    GetClientRect(window_, &client);
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    const UINT dpi = static_cast<UINT>(dpi_);
    return {client.right + ((style & WS_VSCROLL) ? GetSystemMetricsForDpi(SM_CXVSCROLL, dpi) : 0),
            client.bottom + ((style & WS_HSCROLL) ? GetSystemMetricsForDpi(SM_CYHSCROLL, dpi) : 0)};
}

// A scroll bar of the window is shown only along a side where the content does not fit; the
// other bar, where it is shown, takes room from this side.
void FormWindow::updateScrollBars() {
    if (updatingScrollBars_)
        return;
    updatingScrollBars_ = true;
    const SIZE content = contentSize();
    SIZE shown = clientSizeWithoutScrollBars();
    const UINT dpi = static_cast<UINT>(dpi_);
    bool horizontal = content.cx > shown.cx;
    const bool vertical =
        content.cy > shown.cy - (horizontal ? GetSystemMetricsForDpi(SM_CYHSCROLL, dpi) : 0);
    if (vertical)
        shown.cx -= GetSystemMetricsForDpi(SM_CXVSCROLL, dpi);
    horizontal = content.cx > shown.cx;
    if (horizontal)
        shown.cy -= GetSystemMetricsForDpi(SM_CYHSCROLL, dpi);

    const POINT before = origin_;
    const auto update = [this](int bar, LONG length, LONG page, LONG &position) {
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
    update(SB_HORZ, content.cx, shown.cx, origin_.x);
    update(SB_VERT, content.cy, shown.cy, origin_.y);
    updatingScrollBars_ = false;
    if (before.x != origin_.x || before.y != origin_.y) {
        surface_->scrollTo(origin_);
        layOutControls();
        InvalidateRect(window_, nullptr, FALSE);
    }
}

void FormWindow::scrollBy(int dx, int dy) {
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
    surface_->scrollTo(origin_);
    layOutControls();
    InvalidateRect(window_, nullptr, FALSE);
}

HWND FormWindow::control(std::string_view name) const {
    for (const Control &entry : controls_)
        if (entry.design->name == name)
            return entry.window;
    return nullptr;
}

const FormWindow::Control *FormWindow::controlOf(HWND window) const {
    for (const Control &entry : controls_)
        if (entry.window && entry.window == window)
            return &entry;
    return nullptr;
}

void FormWindow::OnCommand(HWND, int id, HWND, UINT code) {
    // Enter: the dialog manager asks for the default command; the focused button is it.
    if (id == IDOK) {
        clickFocusedButton();
        return;
    }
    const ControlDesign *design = controlWithId(id);
    if (design && code == BN_CLICKED)
        form_->click(design->name);
}

void FormWindow::clickFocusedButton() {
    const Control *focused = controlOf(GetFocus());
    if (focused && focused->design->kind == ControlKind::command)
        form_->click(focused->design->name);
}

// The speed bar, or one of the window's own scroll bars.
void FormWindow::OnHScroll(HWND, HWND bar, UINT code, int position) {
    if (bar) {
        if (const std::optional<SpeedBarMove> move = speedBarMoveOf(code))
            form_->moveSpeedBar(*move, position);
        return;
    }
    RECT client;
    GetClientRect(window_, &client);
    const int page = client.right;
    switch (code) {
    case SB_LINELEFT:
        return scrollBy(-scaled(scrollStep), 0);
    case SB_LINERIGHT:
        return scrollBy(scaled(scrollStep), 0);
    case SB_PAGELEFT:
        return scrollBy(-page, 0);
    case SB_PAGERIGHT:
        return scrollBy(page, 0);
    case SB_LEFT:
        return scrollBy(-origin_.x, 0);
    case SB_RIGHT:
        return scrollBy(contentSize().cx, 0);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return scrollBy(position - origin_.x, 0);
    default:
        return;
    }
}

void FormWindow::OnVScroll(HWND, HWND, UINT code, int position) {
    RECT client;
    GetClientRect(window_, &client);
    const int page = client.bottom;
    switch (code) {
    case SB_LINEUP:
        return scrollBy(0, -scaled(scrollStep));
    case SB_LINEDOWN:
        return scrollBy(0, scaled(scrollStep));
    case SB_PAGEUP:
        return scrollBy(0, -page);
    case SB_PAGEDOWN:
        return scrollBy(0, page);
    case SB_TOP:
        return scrollBy(0, -origin_.y);
    case SB_BOTTOM:
        return scrollBy(0, contentSize().cy);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return scrollBy(0, position - origin_.y);
    default:
        return;
    }
}

void FormWindow::OnMouseWheel(HWND, int, int, int delta, UINT keys) {
    const int step = -MulDiv(delta, scaled(3 * scrollStep), WHEEL_DELTA);
    if (keys & MK_SHIFT)
        scrollBy(step, 0);
    else
        scrollBy(0, step);
}

void FormWindow::OnSize(HWND, UINT state, int, int) {
    if (state != SIZE_MINIMIZED)
        updateScrollBars();
}

void FormWindow::OnPaint(HWND window) {
    const PaintDC paint(window);
    surface_->paint(paint.get(), paint.area());
}

BOOL FormWindow::OnEraseBkgnd(HWND, HDC) {
    // The picture covers everything: nothing to erase.
    return TRUE;
}

// Every control shows the window's background; the text takes the control's designed colour.
HBRUSH FormWindow::OnCtlColor(HWND, HDC dc, HWND control, int) {
    const Control *entry = controlOf(control);
    SetTextColor(dc, toColorRef(entry ? entry->design->textColour : colour::buttonText));
    SetBkColor(dc, toColorRef(windowBackground));
    return background_.get();
}

void FormWindow::OnDrawItem(HWND, const DRAWITEMSTRUCT *item) {
    paintClassicButton(*item);
}

// The focus comes back to the control that had it when the window is activated again.
void FormWindow::OnActivate(HWND, UINT state, HWND, BOOL minimized) {
    if (state == WA_INACTIVE)
        focusBeforeDeactivation_ = GetFocus();
    else if (!minimized && focusBeforeDeactivation_)
        SetFocus(focusBeforeDeactivation_);
}

// A request to close, from the title bar, the window manager or another program, goes to the
// form, which unloads the window now or after the run in progress.
void FormWindow::OnClose(HWND) {
    form_->requestClose();
}

void FormWindow::OnDestroy(HWND) {
    PostQuitMessage(exitCode_);
}

void FormWindow::OnDpiChanged(int dpi, const RECT &suggested) {
    origin_ = {MulDiv(origin_.x, dpi, dpi_), MulDiv(origin_.y, dpi, dpi_)};
    dpi_ = dpi;
    auto fonts = std::make_unique<ControlFonts>(dpi);
    surface_->changeResolution(dpi, *fonts);
    surface_->scrollTo(origin_);
    std::swap(fonts_, fonts);
    layOutControls();
    fitWindowToScreen(suggested);
}

std::string FormWindow::text(SettingField field) const {
    HWND edit = control(fieldName(field));
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return toUtf8(text);
}

void FormWindow::setText(SettingField field, std::string_view text) {
    SetWindowTextW(control(fieldName(field)), toWide(text).c_str());
}

// The option is checked and the others of its frame cleared; it alone of them is a tab stop.
void FormWindow::check(Option option) {
    const std::string_view frame = findControl(optionName(option))->container;
    for (const Control &entry : controls_) {
        if (entry.design->kind != ControlKind::option || entry.design->container != frame)
            continue;
        const bool selected = entry.design->name == optionName(option);
        Button_SetCheck(entry.window, selected ? BST_CHECKED : BST_UNCHECKED);
        const LONG_PTR style = GetWindowLongPtrW(entry.window, GWL_STYLE);
        SetWindowLongPtrW(entry.window, GWL_STYLE,
                          selected ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
    }
}

int FormWindow::scrollBarValue() const {
    return GetScrollPos(control("HScroll1"), SB_CTL);
}

void FormWindow::setScrollBarValue(int value) {
    SetScrollPos(control("HScroll1"), SB_CTL, value, TRUE);
}

// The picture's accessible object takes the description as its name, and screen readers are told.
void FormWindow::announce(std::string_view description) {
    SetWindowTextW(pictureDescription_, toWide(description).c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, pictureDescription_, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, pictureDescription_, OBJID_CLIENT, CHILDID_SELF);
}

void FormWindow::reportError(const RuntimeError &error) {
    MessageBoxW(window_, toWide(error.message()).c_str(), programName, MB_OK | MB_ICONERROR);
}

void FormWindow::unload(int exitCode) {
    exitCode_ = exitCode;
    DestroyWindow(window_);
}
