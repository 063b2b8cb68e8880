#include "CaptionFits.h"
#include "form/Translation.h"
#include "win32/ClassicLook.h"
#include "win32/ControlFonts.h"
#include "win32/GdiSurface.h"
#include "win32/Text.h"
#include "win32/ThemeAtDpi.h"

#include <doctest/doctest.h>

#include <commctrl.h>
#include <vssym32.h>

#include <string>

// Every caption of every language fits the room the program's own layout gives it, measured
// with GDI in the fonts the program makes at the design's resolution. The test carries the
// program's manifest: its option buttons take the desktop's visual style where the program's do.

namespace {

constexpr double dpi = designDotsPerInch;

RECT boxOf(const ControlDesign &control) {
    const PixelRect box = inPixels(control.geometry);
    return {0, 0, box.width, box.height};
}

int widthOf(const RECT &area) {
    return area.right - area.left;
}

int heightOf(const RECT &area) {
    return area.bottom - area.top;
}

class GdiMeasure : public CaptionMeasure {
public:
    // An option button, whose visual style, where it has one, gives the options' marks.
    GdiMeasure()
        : option_(CreateWindowExW(0, L"BUTTON", L"", WS_POPUP | BS_AUTORADIOBUTTON, 0, 0, 10, 10,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)),
          theme_(option_, L"Button", dpi) {}
    ~GdiMeasure() { DestroyWindow(option_); }
    GdiMeasure(const GdiMeasure &) = delete;
    GdiMeasure &operator=(const GdiMeasure &) = delete;

    CaptionFit onControl(const ControlDesign &control, std::string_view text) override {
        const Selection font(dc_.get(), fonts_.get(control.font));
        const std::wstring caption = toWide(text);
        const RECT box = boxOf(control);
        switch (control.kind) {
        case ControlKind::option: {
            const OptionLayout layout =
                layOutOption(dc_.get(), box, theme_.get(), RBS_UNCHECKEDNORMAL, dpi, caption);
            return {{layout.caption.right - layout.label.left, heightOf(layout.caption)},
                    {widthOf(layout.label), box.bottom}};
        }
        case ControlKind::frame: {
            // The break in the frame's line, its gaps with it, ends inside its line down the
            // right.
            const RECT lineBreak = layOutFrameCaption(dc_.get(), caption, dpi).lineBreak;
            return {{lineBreak.right, heightOf(lineBreak)},
                    {box.right - etchedLineWidth, box.bottom}};
        }
        default: {
            // A push button's caption: across, inside the focus rectangle of the focused button.
            RECT needed{};
            DrawTextW(dc_.get(), caption.c_str(), -1, &needed, DT_SINGLELINE | DT_CALCRECT);
            const RECT room = buttonFocusRect(box, dpi);
            return {{widthOf(needed), heightOf(needed)}, {widthOf(room), box.bottom}};
        }
        }
    }

    TextExtent wrapped(const ControlDesign &caption, std::string_view text) override {
        const SIZE size = wrappedCaptionSize(dc_.get(), fonts_.get(caption.font), text,
                                             caption.alignment, inPixels(caption.geometry).width);
        return {size.cx, size.cy};
    }

    // The faces GDI draws the design's fonts in, and the options' look.
    std::string look() const {
        std::string faces;
        for (int i = 0; i < fontCount; ++i) {
            const Selection font(dc_.get(), fonts_.get(static_cast<ControlFont>(i)));
            wchar_t face[LF_FACESIZE] = {};
            GetTextFaceW(dc_.get(), LF_FACESIZE, face);
            faces += (i ? ", " : "") + toUtf8(face);
        }
        return faces + "; option buttons " + (theme_ ? "in the desktop's visual style" : "classic");
    }

private:
    HWND option_;
    ThemeAtDpi theme_;
    const MemoryDC dc_;
    const ControlFonts fonts_{dpi};
};

} // namespace

TEST_CASE("every caption fits the room the program's layout gives it, in every language") {
    const INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    GdiMeasure measure;
    MESSAGE("drawn in " << measure.look());
    for (const std::string_view language : spokenLanguages()) {
        const LanguageFit fit = measureCaptions(language, measure);
        MESSAGE(fit.summary());
        CHECK_MESSAGE(fit.tooLong.empty(), fit.language << ": " << fit.tooLong);
    }
}
