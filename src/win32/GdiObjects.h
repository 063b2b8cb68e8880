#pragma once

#include <windows.h>

#include <utility>

// Owners of GDI objects and device contexts: each frees what it holds when it goes, and a
// selection puts back what it replaced.

// A pen, brush, font or bitmap, deleted with DeleteObject.
template <typename Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(GdiObject &&other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject &operator=(GdiObject &&other) noexcept {
        if (this != &other)
            reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    GdiObject(const GdiObject &) = delete;
    GdiObject &operator=(const GdiObject &) = delete;
    ~GdiObject() { reset(nullptr); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    void reset(Handle handle) {
        if (handle_)
            DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Region = GdiObject<HRGN>;

// An object selected into a device context for as long as this lives.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection &) = delete;
    Selection &operator=(const Selection &) = delete;
    ~Selection() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Fills an area with a solid colour.
inline void fillWith(HDC dc, const RECT &area, COLORREF colour) {
    const Brush brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.get());
}

// A memory device context compatible with the screen, deleted with DeleteDC.
class MemoryDC {
public:
    MemoryDC() : dc_(CreateCompatibleDC(nullptr)) {}
    MemoryDC(const MemoryDC &) = delete;
    MemoryDC &operator=(const MemoryDC &) = delete;
    ~MemoryDC() { DeleteDC(dc_); }

    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// The device context that painting a window's invalid area hands out.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    PaintDC(const PaintDC &) = delete;
    PaintDC &operator=(const PaintDC &) = delete;
    ~PaintDC() { EndPaint(window_, &paint_); }

    HDC get() const { return dc_; }
    const RECT &area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};
