#pragma once

#include "design/WindowDesign.h"
#include "win32/ControlFonts.h"
#include "win32/FormSettings.h"
#include "win32/GdiSurface.h"
#include "win32/WindowPacer.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string_view>
#include <vector>

class RuntimeError;

// The program's one window on Windows: the drawing surface, the 28 controls on it as the
// platform's own controls, the four hidden settings fields and the handlers of the controls.
class frmKymora {
public:
    static bool registerClass(HINSTANCE instance);

    explicit frmKymora(HINSTANCE instance);
    frmKymora(const frmKymora &) = delete;
    frmKymora &operator=(const frmKymora &) = delete;

    HWND handle() const { return window_; }

    // Shows the window with the focus on Start.
    void show(int how);

    // Keyboard navigation as in a dialog: Tab, the arrow keys, Enter and Space.
    bool isDialogMessage(MSG *message) { return IsDialogMessageW(window_, message) != 0; }

    // Handlers, named after their control and event.
    void Form_Load();
    void cmdStart_Click();
    void cndKonec_Click();
    void HScroll1_Change();
    void op1_Click();
    void op2_Click();
    void opAno_Click();
    void opNe_Click();
    void opBlízko_Click();
    void opDaleko_Click();
    void opPomala_Click();
    void opPomalej_Click();
    void opRychlá_Click();

private:
    struct Control {
        const ControlDesign *design;
        HWND window; // null for a caption, which has none
    };

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL OnCreate(HWND window, LPCREATESTRUCTW creation);
    void OnCommand(HWND window, int id, HWND control, UINT code);
    void OnHScroll(HWND window, HWND control, UINT code, int position);
    void OnPaint(HWND window);
    BOOL OnEraseBkgnd(HWND window, HDC dc);
    HBRUSH OnCtlColor(HWND window, HDC dc, HWND control, int type);
    void OnActivate(HWND window, UINT state, HWND other, BOOL minimized);
    void OnClose(HWND window);
    void OnDestroy(HWND window);
    void OnDpiChanged(int dpi, const RECT &suggested);

    void createControls();
    void layOutControls();
    void orderForTabbing();
    void fitWindowToDrawingArea();
    int scaled(int designPixels) const;
    HWND control(std::string_view name) const;
    const Control *controlWithId(int id) const;
    void setText(HWND control, const wchar_t *text);
    void selectOption(HWND option);
    void clickFocusedButton();
    void reportErrorAndQuit(const RuntimeError &error);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    std::unique_ptr<ControlFonts> fonts_;
    std::unique_ptr<GdiSurface> surface_;
    std::unique_ptr<FormSettings> settings_;
    std::unique_ptr<WindowPacer> pacer_;
    std::vector<Control> controls_;
    std::map<std::string_view, HWND> selectedOptions_; // by frame
    Brush background_;
    HWND focusBeforeDeactivation_ = nullptr;
    bool running_ = false;
    bool closeRequested_ = false;
    int exitCode_ = 0;
};
