#pragma once

#include "design/WindowDesign.h"
#include "form/FormView.h"
#include "form/Zoom.h"
#include "form/frmKymora.h"
#include "win32/ClientScroll.h"
#include "win32/ControlFonts.h"
#include "win32/GdiSurface.h"
#include "win32/HeldInput.h"
#include "win32/NativeControls.h"
#include "win32/NoticeWindow.h"
#include "win32/WindowPacer.h"
#include "win32/WindowZoom.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string_view>

// The program's one window on Windows: the persistent picture, with the window's 28 controls
// built from the design on it as the platform's own controls. It hands the controls' events to
// the form and shows what the form does, at the scale its zoom gives. Where the client area does
// not fit the screen, the window scrolls it.
class FormWindow : private FormView {
public:
    static bool registerClass(HINSTANCE instance);

    explicit FormWindow(HINSTANCE instance);
    FormWindow(const FormWindow &) = delete;
    FormWindow &operator=(const FormWindow &) = delete;

    HWND handle() const { return window_; }
    frmKymora &form() { return *form_; }

    // Shows the window with the focus on Start.
    void show(int how);

    // A message from the queue, as the message loop hands it on: the zoom keys and F1, wherever
    // the focus is; keyboard navigation as in a dialog (Tab, the arrow keys, Enter and Space);
    // and the rest to its window. Input held during a run is handed on here after it.
    void handle(MSG message);

    // Opens, or shows, the window at a zoom: of its own size, maximised, or full screen.
    void setZoom(const Zoom &zoom);

private:
    // What the form asks of the window.
    std::string text(SettingField field) const override;
    void setText(SettingField field, std::string_view text) override;
    void check(Option option) override;
    int scrollBarValue() const override;
    void setScrollBarValue(int value) override;
    void announce(std::string_view description) override;
    void showNotice(std::string_view text) override;
    void hideNotice() override;
    void showColours(const ShownColours &colours) override;
    void reportError(const RuntimeError &error) override;
    void unload(int exitCode) override;

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL OnCreate(HWND window, LPCREATESTRUCTW creation);
    void OnCommand(HWND window, int id, HWND control, UINT code);
    void OnHScroll(HWND window, HWND control, UINT code, int position);
    void OnVScroll(HWND window, HWND control, UINT code, int position);
    void OnMouseWheel(HWND window, int x, int y, int delta, UINT keys);
    void OnSize(HWND window, UINT state, int width, int height);
    void OnPaint(HWND window);
    BOOL OnEraseBkgnd(HWND window, HDC dc);
    HBRUSH OnCtlColor(HWND window, HDC dc, HWND control, int type);
    void OnDrawItem(HWND window, const DRAWITEMSTRUCT *item);
    LRESULT OnNotify(HWND window, int id, NMHDR *header);
    void OnActivate(HWND window, UINT state, HWND other, BOOL minimized);
    void OnClose(HWND window);
    void OnDestroy(HWND window);
    void OnDpiChanged(int dpi, const RECT &suggested);

    void createPictureDescription();
    const WindowScale &scale() const { return zoom_->scale(); }
    void rescale(const WindowScale &before);
    void layOutControls();
    void showScrolled();
    void clickFocusedButton();
    bool handleZoomKey(const MSG &message);
    bool handleKeysKey(const MSG &message);
    bool handleColoursKey(const MSG &message);
    void followSystemColours(UINT message);
    HBRUSH brushOf(Colour colour);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    ShownColours colours_; // as the controls read them when they paint
    std::unique_ptr<WindowZoom> zoom_;
    std::unique_ptr<ControlFonts> fonts_;
    std::unique_ptr<GdiSurface> surface_;
    std::unique_ptr<WindowPacer> pacer_;
    std::unique_ptr<frmKymora> form_;
    std::unique_ptr<NativeControls> controls_;
    std::unique_ptr<HeldInput> heldInput_;
    std::unique_ptr<NoticeWindow> notice_;
    std::unique_ptr<ClientScroll> scroll_;
    HWND pictureDescription_ = nullptr;
    std::map<Colour, Brush> brushes_; // the controls' faces, in the colours shown
    HWND focusBeforeDeactivation_ = nullptr;
    int exitCode_ = 0;
};
