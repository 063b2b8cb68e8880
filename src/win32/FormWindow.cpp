#include "win32/FormWindow.h"

#include "ProgramInfo.h"
#include "form/Translation.h"
#include "win32/ClassicLook.h"
#include "win32/ControlIds.h"
#include "win32/HeldMessages.h"
#include "win32/KeysBox.h"
#include "win32/SystemColours.h"
#include "win32/Text.h"

#include <windowsx.h>

#include <optional>
#include <string>
#include <utility>

namespace {

constexpr wchar_t windowClassName[] = L"frmKymora";
constexpr wchar_t iconName[] = L"IDI_ICON1";
constexpr DWORD windowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL;
constexpr DWORD windowExStyle = WS_EX_CONTROLPARENT;

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

FormWindow::FormWindow(HINSTANCE instance) : instance_(instance) {
    const std::wstring title = toWide(windowTitlePrefix) + toWide(KYMORA_HOMEPAGE_URL);
    CreateWindowExW(windowExStyle, windowClassName, title.c_str(), windowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
}

void FormWindow::show(int how) {
    ShowWindow(window_, zoom_->zoom().fillsWindow ? SW_SHOWMAXIMIZED : how);
    UpdateWindow(window_);
    SetFocus((*controls_)["cmdStart"]);
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
        HANDLE_MSG(window, WM_NOTIFY, OnNotify);
        HANDLE_MSG(window, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        followSystemColours(message);
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// The controls hand their messages to the form, which holds them during a run, as it holds the
// input the pacer takes from the queue; the window scrolls its client area where it does not fit
// the screen.
BOOL FormWindow::OnCreate(HWND window, LPCREATESTRUCTW) {
    zoom_ = std::make_unique<WindowZoom>(window,
                                         [this](const WindowScale &before) { rescale(before); });
    fonts_ = std::make_unique<ControlFonts>(scale().dpi());
    surface_ = std::make_unique<GdiSurface>(window, scale().dpi(), *fonts_);
    pacer_ = std::make_unique<WindowPacer>(
        window, [this] { surface_->invalidateChanged(); },
        [this](const MSG &input) { heldInput_->take(input); });
    FormView &view = *this;
    form_ = std::make_unique<frmKymora>(view, *surface_, *pacer_);
    controls_ = std::make_unique<NativeControls>(window, instance_, scale(), colours_);
    for (const NativeControls::Control &control : controls_->all())
        if (control.window)
            holdMessagesDuringRuns(control.window, *form_);
    heldInput_ = std::make_unique<HeldInput>(window, *form_, *controls_,
                                             [this](const MSG &input) { handle(input); });
    createPictureDescription();
    notice_ = std::make_unique<NoticeWindow>(window, instance_);
    scroll_ = std::make_unique<ClientScroll>(window, scale(), [this] { showScrolled(); });
    layOutControls();
    scroll_->fitWindow(scroll_->windowForWholeClientArea());
    form_->systemColoursChanged(readSystemColours(), readSystemContrast());
    form_->Form_Load();
    return TRUE;
}

// The picture's accessible object: static text with no size, which screen readers find among
// the window's children, named by what the last run showed.
void FormWindow::createPictureDescription() {
    pictureDescription_ = CreateWindowExW(0, L"STATIC", toWide(pictureName()).c_str(),
                                          WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX, 0, 0, 0,
                                          0, window_, nullptr, instance_, nullptr);
}

void FormWindow::layOutControls() {
    controls_->layOut(scroll_->shownFrom(), *fonts_);
    notice_->layOut(scale(), scroll_->shownFrom());
}

void FormWindow::showScrolled() {
    surface_->scrollTo(scroll_->shownFrom());
    layOutControls();
    InvalidateRect(window_, nullptr, FALSE);
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
    const NativeControls::Control *focused = controls_->of(GetFocus());
    if (focused && focused->design->kind == ControlKind::command)
        form_->click(focused->design->name);
}

// The speed bar, or one of the window's own scroll bars.
void FormWindow::OnHScroll(HWND, HWND bar, UINT code, int position) {
    if (!bar)
        return scroll_->scroll(SB_HORZ, code, position);
    if (const std::optional<SpeedBarMove> move = speedBarMoveOf(code))
        form_->moveSpeedBar(*move, position);
}

void FormWindow::OnVScroll(HWND, HWND, UINT code, int position) {
    scroll_->scroll(SB_VERT, code, position);
}

void FormWindow::OnMouseWheel(HWND, int, int, int delta, UINT keys) {
    scroll_->wheel(delta, (keys & MK_SHIFT) != 0);
}

// Maximised, the form fills the window; a larger window shows it centred.
void FormWindow::OnSize(HWND, UINT state, int, int) {
    if (state == SIZE_MINIMIZED || zoom_->followSize(state == SIZE_MAXIMIZED))
        return;
    scroll_->update();
    showScrolled();
}

// A new zoom of the window's own size makes the window that size, as far as the screen allows.
void FormWindow::setZoom(const Zoom &zoom) {
    const int percentBefore = zoom_->zoom().percent;
    zoom_->set(zoom);
    if (zoom.percent != percentBefore && !zoom.fullScreen && !zoom.fillsWindow)
        scroll_->fitWindow(scroll_->windowForWholeClientArea());
}

void FormWindow::handle(MSG message) {
    if (handleZoomKey(message) || handleKeysKey(message) || handleColoursKey(message) ||
        IsDialogMessageW(window_, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool FormWindow::handleZoomKey(const MSG &message) {
    const std::optional<Zoom> zoom = zoom_->askedBy(message);
    if (zoom)
        setZoom(*zoom);
    return zoom.has_value();
}

// F1, wherever the focus is, shows the keys.
bool FormWindow::handleKeysKey(const MSG &message) {
    const bool isF1 = message.message == WM_KEYDOWN && message.wParam == VK_F1;
    if (!isF1 || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
        return false;
    showKeys(window_);
    return true;
}

// The fonts, the picture and the controls at the window's new scale.
void FormWindow::rescale(const WindowScale &before) {
    auto fonts = std::make_unique<ControlFonts>(scale().dpi());
    surface_->changeResolution(scale().dpi(), *fonts);
    std::swap(fonts_, fonts);
    scroll_->rescaled(before);
    scroll_->update();
    showScrolled();
}

void FormWindow::OnDpiChanged(int dpi, const RECT &suggested) {
    zoom_->setMonitorDpi(dpi);
    scroll_->fitWindow(suggested);
}

void FormWindow::OnPaint(HWND window) {
    const PaintDC paint(window);
    surface_->paint(paint.get(), paint.area());
}

BOOL FormWindow::OnEraseBkgnd(HWND, HDC) {
    // The picture covers everything: nothing to erase.
    return TRUE;
}

// The push buttons, owner-drawn, and the option buttons, custom-drawn, are painted at the
// controls' resolution, which the platform's own painting would not follow.
void FormWindow::OnDrawItem(HWND, const DRAWITEMSTRUCT *item) {
    paintClassicButton(*item, colours_, scale().dpi());
}

LRESULT FormWindow::OnNotify(HWND, int, NMHDR *header) {
    const NativeControls::Control *control = controls_->of(header->hwndFrom);
    if (header->code != NM_CUSTOMDRAW || !control || control->design->kind != ControlKind::option)
        return 0;
    return paintOption(*reinterpret_cast<const NMCUSTOMDRAW *>(header), colours_, scale().dpi());
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
