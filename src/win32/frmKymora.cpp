#include "win32/frmKymora.h"

#include "demo/DemonstrationRun.h"
#include "demo/RuntimeError.h"
#include "win32/SystemColours.h"
#include "win32/Text.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr wchar_t windowClassName[] = L"frmKymora";
constexpr wchar_t iconName[] = L"IDI_ICON1";
constexpr wchar_t programName[] = L"Kymora";
constexpr DWORD windowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// Controls are numbered from here in design order, clear of IDOK and IDCANCEL.
constexpr int firstControlId = 100;

using Handler = void (frmKymora::*)();

struct ClickHandler {
    std::string_view control;
    Handler handler;
};

const std::array<ClickHandler, 11> clickHandlers = {{
    {"cmdStart", &frmKymora::cmdStart_Click},
    {"cndKonec", &frmKymora::cndKonec_Click},
    {"op1", &frmKymora::op1_Click},
    {"op2", &frmKymora::op2_Click},
    {"opAno", &frmKymora::opAno_Click},
    {"opNe", &frmKymora::opNe_Click},
    {"opBlízko", &frmKymora::opBlízko_Click},
    {"opDaleko", &frmKymora::opDaleko_Click},
    {"opPomala", &frmKymora::opPomala_Click},
    {"opPomalej", &frmKymora::opPomalej_Click},
    {"opRychlá", &frmKymora::opRychlá_Click},
}};

Handler clickHandlerOf(std::string_view control) {
    for (const ClickHandler &entry : clickHandlers)
        if (entry.control == control)
            return entry.handler;
    return nullptr;
}

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
        return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
    case ControlKind::caption:
        break;
    }
    return {nullptr, 0};
}

// A frame is opaque in the window's background, as the design draws it: a group box does not
// erase its inside by itself.
LRESULT CALLBACK frameWithBackground(HWND frame, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR background) {
    if (message == WM_ERASEBKGND) {
        RECT area;
        GetClientRect(frame, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, reinterpret_cast<HBRUSH>(background));
        return TRUE;
    }
    return DefSubclassProc(frame, message, wParam, lParam);
}

} // namespace

bool frmKymora::registerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
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

frmKymora::frmKymora(HINSTANCE instance)
    : instance_(instance), background_(CreateSolidBrush(static_cast<COLORREF>(windowBackground))) {
    const std::wstring title = toWide(windowTitlePrefix) + toWide(KYMORA_HOMEPAGE_URL);
    CreateWindowExW(WS_EX_CONTROLPARENT, windowClassName, title.c_str(), windowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
}

void frmKymora::show(int how) {
    ShowWindow(window_, how);
    UpdateWindow(window_);
    SetFocus(control("cmdStart"));
}

LRESULT CALLBACK frmKymora::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto *creation = reinterpret_cast<CREATESTRUCTW *>(lParam);
        auto *self = static_cast<frmKymora *>(creation->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<frmKymora *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->handleMessage(window, message, wParam, lParam);
}

LRESULT frmKymora::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_HSCROLL, OnHScroll);
        HANDLE_MSG(window, WM_PAINT, OnPaint);
        HANDLE_MSG(window, WM_ERASEBKGND, OnEraseBkgnd);
        HANDLE_MSG(window, WM_CTLCOLORSTATIC, OnCtlColor);
        HANDLE_MSG(window, WM_CTLCOLORBTN, OnCtlColor);
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

BOOL frmKymora::OnCreate(HWND window, LPCREATESTRUCTW) {
    dpi_ = static_cast<int>(GetDpiForWindow(window));
    fonts_ = std::make_unique<ControlFonts>(dpi_);
    surface_ = std::make_unique<GdiSurface>(window, dpi_, *fonts_);
    pacer_ = std::make_unique<WindowPacer>(window);
    createControls();
    settings_ = std::make_unique<FormSettings>(control("nPoloha"), control("nSpomaleni"),
                                               control("nDifrakce"), control("nKmitocet"));
    fitWindowToDrawingArea();
    Form_Load();
    return TRUE;
}

void frmKymora::createControls() {
    int id = firstControlId;
    for (const ControlDesign &design : windowControls()) {
        const NativeControl native = nativeControl(design.kind);
        HWND created = nullptr;
        if (native.windowClass) {
            const DWORD visible = isShownAtStart(design) ? WS_VISIBLE : 0;
            created = CreateWindowExW(0, native.windowClass, toWide(design.caption).c_str(),
                                      WS_CHILD | WS_CLIPSIBLINGS | native.style | visible, 0, 0, 0,
                                      0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                      instance_, nullptr);
            if (design.kind == ControlKind::frame)
                SetWindowSubclass(created, frameWithBackground, 0,
                                  reinterpret_cast<DWORD_PTR>(background_.get()));
        }
        controls_.push_back({&design, created});
        ++id;
    }
    HWND speed = control("HScroll1");
    SetScrollRange(speed, SB_CTL, speedMinimum, speedMaximum, FALSE);
    SetScrollPos(speed, SB_CTL, speedMinimum, FALSE);
    orderForTabbing();
    layOutControls();
}

// Tab and the arrow keys follow the order of the controls among their siblings: the controls
// in the order of their tab indexes, then the frames, which take no focus. Each group of option
// buttons, and each other control, begins a group of its own.
void frmKymora::orderForTabbing() {
    std::vector<const Control *> order;
    for (const Control &entry : controls_)
        if (entry.window)
            order.push_back(&entry);
    std::stable_sort(order.begin(), order.end(), [](const Control *a, const Control *b) {
        const auto rank = [](const Control *c) {
            return c->design->tabIndex == noTabStop ? 1000 : c->design->tabIndex;
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

int frmKymora::scaled(int designPixels) const {
    return MulDiv(designPixels, dpi_, designDotsPerInch);
}

// Places and sizes every control at the window's resolution and gives it its font. Option
// buttons are the window's own children, placed within their frame.
void frmKymora::layOutControls() {
    for (const Control &entry : controls_) {
        if (!entry.window)
            continue;
        const PixelRect place = placeInClientArea(*entry.design);
        MoveWindow(entry.window, scaled(place.left), scaled(place.top), scaled(place.width),
                   scaled(place.height), TRUE);
        SetWindowFont(entry.window, fonts_->get(entry.design->font), TRUE);
    }
}

void frmKymora::fitWindowToDrawingArea() {
    const ClientSize client = clientAreaSize();
    RECT frame{0, 0, scaled(client.width), scaled(client.height)};
    AdjustWindowRectExForDpi(&frame, windowStyle, FALSE, WS_EX_CONTROLPARENT,
                             static_cast<UINT>(dpi_));
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND frmKymora::control(std::string_view name) const {
    for (const Control &entry : controls_)
        if (entry.design->name == name)
            return entry.window;
    return nullptr;
}

const frmKymora::Control *frmKymora::controlWithId(int id) const {
    const int index = id - firstControlId;
    if (index < 0 || index >= static_cast<int>(controls_.size()))
        return nullptr;
    return &controls_[static_cast<std::size_t>(index)];
}

void frmKymora::OnCommand(HWND, int id, HWND, UINT code) {
    // Enter: the dialog manager asks for the default command; the focused button is it.
    if (id == IDOK) {
        clickFocusedButton();
        return;
    }
    const Control *entry = controlWithId(id);
    if (!entry || code != BN_CLICKED)
        return;
    if (entry->design->kind == ControlKind::option)
        selectOption(entry->window);
    else if (const Handler handler = clickHandlerOf(entry->design->name))
        (this->*handler)();
}

void frmKymora::clickFocusedButton() {
    HWND focused = GetFocus();
    for (const Control &entry : controls_)
        if (entry.window == focused && entry.design->kind == ControlKind::command)
            (this->*clickHandlerOf(entry.design->name))();
}

// Selects an option button: the others of its frame are cleared, it alone of them is a tab
// stop, and its handler runs when it was not the selected one before. A click or an arrow key
// has checked the button already.
void frmKymora::selectOption(HWND option) {
    const Control *selected = nullptr;
    for (const Control &entry : controls_)
        if (entry.window == option)
            selected = &entry;
    if (!selected)
        return;
    HWND &current = selectedOptions_[selected->design->container];
    if (current == option)
        return;
    current = option;
    for (const Control &entry : controls_) {
        if (entry.design->kind != ControlKind::option ||
            entry.design->container != selected->design->container)
            continue;
        const bool isSelected = entry.window == option;
        Button_SetCheck(entry.window, isSelected ? BST_CHECKED : BST_UNCHECKED);
        const LONG_PTR style = GetWindowLongPtrW(entry.window, GWL_STYLE);
        SetWindowLongPtrW(entry.window, GWL_STYLE,
                          isSelected ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
    }
    (this->*clickHandlerOf(selected->design->name))();
}

// The scroll bar moves by one for an arrow, a click on its track or an arrow key; a drag of its
// thumb sets the value once, when the thumb is let go.
void frmKymora::OnHScroll(HWND, HWND bar, UINT code, int position) {
    const int current = GetScrollPos(bar, SB_CTL);
    int value = current;
    switch (code) {
    case SB_LINELEFT:
    case SB_PAGELEFT:
        value = current - 1;
        break;
    case SB_LINERIGHT:
    case SB_PAGERIGHT:
        value = current + 1;
        break;
    case SB_LEFT:
        value = speedMinimum;
        break;
    case SB_RIGHT:
        value = speedMaximum;
        break;
    case SB_THUMBPOSITION:
        value = position;
        break;
    default:
        return;
    }
    value = std::clamp(value, speedMinimum, speedMaximum);
    if (value == current)
        return;
    SetScrollPos(bar, SB_CTL, value, TRUE);
    HScroll1_Change();
}

void frmKymora::OnPaint(HWND window) {
    const PaintDC paint(window);
    surface_->paint(paint.get(), paint.area());
}

BOOL frmKymora::OnEraseBkgnd(HWND, HDC) {
    // The picture covers everything: nothing to erase.
    return TRUE;
}

HBRUSH frmKymora::OnCtlColor(HWND, HDC dc, HWND control, int) {
    Colour text = colour::buttonText;
    for (const Control &entry : controls_)
        if (entry.window == control)
            text = entry.design->textColour;
    SetTextColor(dc, toColorRef(text));
    SetBkColor(dc, static_cast<COLORREF>(windowBackground));
    return background_.get();
}

// The focus comes back to the control that had it when the window is activated again.
void frmKymora::OnActivate(HWND, UINT state, HWND, BOOL minimized) {
    if (state == WA_INACTIVE)
        focusBeforeDeactivation_ = GetFocus();
    else if (!minimized && focusBeforeDeactivation_)
        SetFocus(focusBeforeDeactivation_);
}

// A close request during a run closes the window when the run is over.
void frmKymora::OnClose(HWND window) {
    if (running_)
        closeRequested_ = true;
    else
        DestroyWindow(window);
}

void frmKymora::OnDestroy(HWND) {
    PostQuitMessage(exitCode_);
}

void frmKymora::OnDpiChanged(int dpi, const RECT &suggested) {
    dpi_ = dpi;
    auto fonts = std::make_unique<ControlFonts>(dpi);
    surface_->changeResolution(dpi, *fonts);
    std::swap(fonts_, fonts);
    layOutControls();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmKymora::setText(HWND control, const wchar_t *text) {
    SetWindowTextW(control, text);
}

void frmKymora::reportErrorAndQuit(const RuntimeError &error) {
    const std::wstring message =
        L"Run-time error '" + std::to_wstring(error.number()) + L"':\n\n" + toWide(error.what());
    MessageBoxW(window_, message.c_str(), programName, MB_OK | MB_ICONERROR);
    exitCode_ = runErrorExitCode;
    DestroyWindow(window_);
}

// The defaults: grating, frequency 2, fastest, far detector.
void frmKymora::Form_Load() {
    selectOption(control("opAno"));
    selectOption(control("op2"));
    selectOption(control("opRychlá"));
    setText(control("nSpomaleni"), L"1");
    setText(control("nPoloha"), L"0");
    selectOption(control("opDaleko"));
}

// The whole demonstration; returns when it is over. User input made during the run waits until
// then, so no run ever starts inside another.
void frmKymora::cmdStart_Click() {
    if (running_)
        return;
    running_ = true;
    try {
        runDemonstration(*surface_, *settings_, *pacer_);
    } catch (const RuntimeError &error) {
        running_ = false;
        reportErrorAndQuit(error);
        return;
    }
    running_ = false;
    pacer_->passOnQuitRequest();
    if (closeRequested_)
        DestroyWindow(window_);
}

void frmKymora::cndKonec_Click() {
    DestroyWindow(window_);
}

void frmKymora::HScroll1_Change() {
    const int value = GetScrollPos(control("HScroll1"), SB_CTL);
    setText(control("nSpomaleni"), std::to_wstring(value).c_str());
}

void frmKymora::op1_Click() {
    setText(control("nKmitocet"), L"1");
}
void frmKymora::op2_Click() {
    setText(control("nKmitocet"), L"2");
}
void frmKymora::opNe_Click() {
    setText(control("nDifrakce"), L"1");
}
void frmKymora::opAno_Click() {
    setText(control("nDifrakce"), L"2");
}
void frmKymora::opDaleko_Click() {
    setText(control("nPoloha"), L"0");
}
void frmKymora::opBlízko_Click() {
    setText(control("nPoloha"), L"170");
}
void frmKymora::opRychlá_Click() {
    setText(control("nSpomaleni"), L"1");
}
void frmKymora::opPomalej_Click() {
    setText(control("nSpomaleni"), L"10");
}
void frmKymora::opPomala_Click() {
    setText(control("nSpomaleni"), L"20");
}
