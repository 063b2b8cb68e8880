#pragma once

#include "design/ColourProfiles.h"
#include "form/RecordedCanvas.h"
#include "win32/GdiObjects.h"

#include <optional>
#include <string_view>

class ControlFonts;

// The window's client area in GDI: one persistent picture that every drawing operation paints
// into, at the window's resolution. Each operation marks the area it changed as invalid, and
// the window paints it from the picture the next time it handles its paint message: at the
// run's next pause, or at its end. The picture survives covering, hiding and minimising.
//
// Drawing is in design pixels (or twips), scaled to the window's resolution as it is drawn, so
// that lines stay crisp at any scale. The captions are painted into the picture. The surface
// keeps what it has drawn since the last background band began, which covers everything drawn
// before it in the drawing area, so that it can draw the picture anew at another resolution.
class GdiSurface : public RecordedCanvas {
public:
    // dpi: the resolution times the zoom.
    GdiSurface(HWND window, double dpi, const ControlFonts &fonts);

    // Paints the picture's part in area of the client area onto the window.
    void paint(HDC target, const RECT &area) const;

    // The client area shows the picture from this point on, in device pixels; where it is
    // negative, the picture stands that far in, with the background around it.
    void scrollTo(POINT origin);

    // Asks the window to repaint what was drawn since it last asked: one request for all the
    // drawings, each of which would otherwise be a round trip to the window system (under Wine,
    // to its server: a run's background band alone is 500 lines).
    void invalidateChanged();

    // A new resolution, or zoom: the picture is drawn anew at it, with the new fonts.
    void changeResolution(double dpi, const ControlFonts &fonts);

    // Paints each colour the run draws in as these colours show it, the background too: the
    // picture is drawn anew in them. The design's, until told otherwise.
    void showColours(const ShownColours &colours);

    CaptionBoard &captions() override { return captions_; }

private:
    void drawLine(const Drawing &line) override;
    void drawCircle(const Drawing &circle) override;
    void drawCaption(const Drawing &caption) override;
    void drawAnew() override;

    int wrappedTextHeight(const CaptionState &caption) override;

    COLORREF shown(Colour designed) const;
    void fillWithBackground(HDC dc, const RECT &area) const;
    SIZE pictureSize() const;
    void createPicture(SIZE size);
    int toDevice(double designPixels) const;
    std::optional<RECT> pixelRun(const Drawing &line) const;
    POINT devicePoint(const PenState &pen, float x, float y) const;
    RECT toDevice(const PixelRect &area) const;
    void markChanged(RECT area);

    HWND window_;
    double scale_;
    const ControlFonts *fonts_;
    Region changed_{CreateRectRgn(0, 0, 0, 0)};
    Region part_{CreateRectRgn(0, 0, 0, 0)};
    bool hasChanged_ = false;
    SIZE size_{};
    POINT origin_{};
    ShownColours colours_;
    MemoryDC dc_;
    Bitmap picture_;
    std::optional<Selection> selected_;
    CaptionBoard captions_{*this};
};

// The size a caption's text takes in a font, in device pixels, wrapped within a width as the
// surface paints it.
SIZE wrappedCaptionSize(HDC dc, HFONT font, std::string_view text, TextAlignment alignment,
                        int width);
