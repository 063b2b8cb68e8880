#include "win32/GdiSurface.h"

#include "canvas/DevicePixels.h"
#include "win32/ControlFonts.h"
#include "win32/SystemColours.h"
#include "win32/Text.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

double scaleAt(double dpi) {
    return dpi / designDotsPerInch;
}

RECT rectOf(POINT from, POINT to) {
    return {std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x) + 1,
            std::max(from.y, to.y) + 1};
}

// The area a pen of this width paints around a shape's outline.
RECT withPenMargin(RECT area, int penWidth) {
    const int margin = penWidth / 2 + 1;
    InflateRect(&area, margin, margin);
    return area;
}

Pen createPen(int width, COLORREF colour) {
    if (width <= 1)
        return Pen(CreatePen(PS_SOLID, 1, colour));
    const LOGBRUSH brush{BS_SOLID, colour, 0};
    return Pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                            static_cast<DWORD>(width), &brush, 0, nullptr));
}

UINT textFormat(TextAlignment alignment) {
    return DT_TOP | DT_WORDBREAK | DT_NOPREFIX |
           (alignment == TextAlignment::centred ? DT_CENTER : DT_LEFT);
}

} // namespace

GdiSurface::GdiSurface(HWND window, double dpi, const ControlFonts &fonts)
    : window_(window), scale_(scaleAt(dpi)), fonts_(&fonts) {
    createPicture(pictureSize());
    RECT all{0, 0, size_.cx, size_.cy};
    fillWithBackground(dc_.get(), all);
    captions_.paintShown();
}

void GdiSurface::createPicture(SIZE size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy; // rows from the top down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    selected_.reset();
    picture_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    selected_.emplace(dc_.get(), picture_.get());
    size_ = size;
}

// The client area's picture at the current scale.
SIZE GdiSurface::pictureSize() const {
    const ClientSize client = clientAreaSize();
    return {toDevice(client.width), toDevice(client.height)};
}

void GdiSurface::changeResolution(double dpi, const ControlFonts &fonts) {
    scale_ = scaleAt(dpi);
    fonts_ = &fonts;
    captions_.remeasure();
    createPicture(pictureSize());
    drawAnew();
}

void GdiSurface::showColours(const ShownColours &colours) {
    colours_ = colours;
    drawAnew();
}

COLORREF GdiSurface::shown(Colour designed) const {
    return toColorRef(colours_.of(designed));
}

void GdiSurface::fillWithBackground(HDC dc, const RECT &area) const {
    fillWith(dc, area, toColorRef(colours_.background()));
}

void GdiSurface::drawAnew() {
    const RECT all{0, 0, size_.cx, size_.cy};
    fillWithBackground(dc_.get(), all);
    drawAgain();
    invalidateChanged();
    InvalidateRect(window_, nullptr, FALSE);
}

void GdiSurface::scrollTo(POINT origin) {
    origin_ = origin;
}

void GdiSurface::paint(HDC target, const RECT &area) const {
    const RECT picture{-origin_.x, -origin_.y, size_.cx - origin_.x, size_.cy - origin_.y};
    RECT shown;
    if (IntersectRect(&shown, &area, &picture))
        BitBlt(target, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top,
               dc_.get(), shown.left + origin_.x, shown.top + origin_.y, SRCCOPY);
    // Around the picture, when the window is larger: the background.
    const LONG top = std::max(area.top, picture.top);
    const LONG bottom = std::min(area.bottom, picture.bottom);
    const RECT around[] = {
        {area.left, area.top, area.right, std::min(area.bottom, picture.top)},
        {area.left, std::max(area.top, picture.bottom), area.right, area.bottom},
        {area.left, top, std::min(area.right, picture.left), bottom},
        {std::max(area.left, picture.right), top, area.right, bottom},
    };
    for (const RECT &outside : around)
        if (outside.right > outside.left && outside.bottom > outside.top)
            fillWithBackground(target, outside);
}

int GdiSurface::toDevice(double designPixels) const {
    return static_cast<int>(std::lround(designPixels * scale_));
}

POINT GdiSurface::devicePoint(const PenState &pen, float x, float y) const {
    return {toDevice(pixelsOf(pen, x)), toDevice(pixelsOf(pen, y))};
}

RECT GdiSurface::toDevice(const PixelRect &area) const {
    return {toDevice(area.left), toDevice(area.top), toDevice(area.left + area.width),
            toDevice(area.top + area.height)};
}

// A thin line along one row or one column of whole design pixels fills whole device pixels, so
// that neighbouring lines meet without a gap at any scale.
std::optional<RECT> GdiSurface::pixelRun(const Drawing &line) const {
    if (line.pen.drawWidth > 1)
        return std::nullopt;
    const std::optional<PixelRect> run =
        deviceRun(pixelsOf(line.pen, line.x1), pixelsOf(line.pen, line.y1),
                  pixelsOf(line.pen, line.x2), pixelsOf(line.pen, line.y2), scale_);
    if (!run)
        return std::nullopt;
    return RECT{run->left, run->top, run->left + run->width, run->top + run->height};
}

void GdiSurface::drawLine(const Drawing &line) {
    if (const std::optional<RECT> run = pixelRun(line)) {
        fillWith(dc_.get(), *run, shown(line.colour.value_or(line.pen.foreColor)));
        markChanged(*run);
        return;
    }
    const POINT from = devicePoint(line.pen, line.x1, line.y1);
    const POINT to = devicePoint(line.pen, line.x2, line.y2);
    const COLORREF lineColour = shown(line.colour.value_or(line.pen.foreColor));
    const int width = deviceLineWidth(line.pen.drawWidth, scale_);
    HDC dc = dc_.get();
    {
        const Pen pen = createPen(width, lineColour);
        const Selection selected(dc, pen.get());
        MoveToEx(dc, from.x, from.y, nullptr);
        LineTo(dc, to.x, to.y);
        // A thin line leaves out its last pixel; the design draws both ends.
        if (width == 1)
            SetPixelV(dc, to.x, to.y, lineColour);
    }
    markChanged(withPenMargin(rectOf(from, to), width));
}

void GdiSurface::drawCircle(const Drawing &circle) {
    const POINT centre = devicePoint(circle.pen, circle.x1, circle.y1);
    const int r = toDevice(pixelsOf(circle.pen, circle.x2));
    const int width = deviceLineWidth(circle.pen.drawWidth, scale_);
    HDC dc = dc_.get();
    {
        const Pen pen = createPen(width, shown(*circle.colour));
        const Brush fill(circle.pen.fillStyle == FillStyle::solid
                             ? CreateSolidBrush(shown(circle.pen.fillColor))
                             : nullptr);
        const Selection selectedPen(dc, pen.get());
        const Selection selectedBrush(dc, fill ? static_cast<HGDIOBJ>(fill.get())
                                               : GetStockObject(NULL_BRUSH));
        // The outline runs through both ends of each diameter.
        Ellipse(dc, centre.x - r, centre.y - r, centre.x + r + 1, centre.y + r + 1);
    }
    markChanged(
        withPenMargin({centre.x - r, centre.y - r, centre.x + r + 1, centre.y + r + 1}, width));
}

SIZE wrappedCaptionSize(HDC dc, HFONT font, std::string_view text, TextAlignment alignment,
                        int width) {
    const Selection selected(dc, font);
    RECT needed{0, 0, width, 0};
    DrawTextW(dc, toWide(text).c_str(), -1, &needed, textFormat(alignment) | DT_CALCRECT);
    return {needed.right, needed.bottom};
}

int GdiSurface::wrappedTextHeight(const CaptionState &caption) {
    const RECT place = toDevice(caption.place);
    const SIZE needed = wrappedCaptionSize(dc_.get(), fonts_->get(caption.font), caption.text,
                                           caption.alignment, place.right - place.left);
    return static_cast<int>(std::ceil(needed.cy / scale_));
}

// Opaque in the window's background, with the text wrapped inside the caption's width; as tall
// as its text needs at the present resolution.
void GdiSurface::drawCaption(const Drawing &painted) {
    const CaptionState &caption = captions_[painted.caption];
    PixelRect place = painted.area;
    place.height = std::max(place.height, captions_.area(caption.id).height);
    HDC dc = dc_.get();
    const Selection font(dc, fonts_->get(caption.font));
    RECT area = toDevice(place);
    fillWithBackground(dc, area);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, shown(caption.colour));
    DrawTextW(dc, toWide(caption.text).c_str(), -1, &area, textFormat(caption.alignment));
    markChanged(area);
}

void GdiSurface::markChanged(RECT area) {
    OffsetRect(&area, -origin_.x, -origin_.y);
    SetRectRgn(part_.get(), area.left, area.top, area.right, area.bottom);
    CombineRgn(changed_.get(), changed_.get(), part_.get(), RGN_OR);
    hasChanged_ = true;
}

void GdiSurface::invalidateChanged() {
    if (!std::exchange(hasChanged_, false))
        return;
    InvalidateRgn(window_, changed_.get(), FALSE);
    SetRectRgn(changed_.get(), 0, 0, 0, 0);
}
