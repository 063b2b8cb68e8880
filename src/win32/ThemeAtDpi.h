#pragma once

#include <windows.h>

#include <uxtheme.h>

#include <cmath>

// The visual style's parts of a control's class at a resolution, for a control drawn at the zoom,
// which the control's own theme, opened at its monitor's resolution, does not know. Null where
// the control has no visual style: it is drawn in the classic look then. Closed when this goes.
class ThemeAtDpi {
public:
    ThemeAtDpi(HWND control, const wchar_t *classes, double dpi) {
        // Windows 10's, and Wine's; the import libraries do not all name it yet.
        using OpenForDpi = HTHEME(WINAPI *)(HWND, LPCWSTR, UINT);
        static const auto open = reinterpret_cast<OpenForDpi>(reinterpret_cast<void *>(
            GetProcAddress(GetModuleHandleW(L"uxtheme.dll"), "OpenThemeDataForDpi")));
        if (open && GetWindowTheme(control))
            theme_ = open(nullptr, classes, static_cast<UINT>(std::lround(dpi)));
    }
    ThemeAtDpi(const ThemeAtDpi &) = delete;
    ThemeAtDpi &operator=(const ThemeAtDpi &) = delete;
    ~ThemeAtDpi() {
        if (theme_)
            CloseThemeData(theme_);
    }

    HTHEME get() const { return theme_; }
    explicit operator bool() const { return theme_ != nullptr; }

private:
    HTHEME theme_ = nullptr;
};
