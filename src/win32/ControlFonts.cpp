#include "win32/ControlFonts.h"

#include "win32/Text.h"

#include <cmath>
#include <string>

namespace {

constexpr int pointsPerInch = 72;

int CALLBACK noteFaceFound(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found) {
    *reinterpret_cast<bool *>(found) = true;
    return 0;
}

bool isInstalled(const std::wstring &face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, noteFaceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

std::wstring installedFace(const FontDesign &design) {
    const std::wstring face = toWide(design.face);
    if (isInstalled(face))
        return face;
    const std::wstring standIn = toWide(design.standIn);
    return isInstalled(standIn) ? standIn : face;
}

} // namespace

ControlFonts::ControlFonts(double dpi) {
    for (int i = 0; i < fontCount; ++i)
        fonts_[static_cast<std::size_t>(i)].reset(
            createFont(fontDesign(static_cast<ControlFont>(i)), dpi));
}

HFONT createFont(const FontDesign &design, double dpi) {
    LOGFONTW font{};
    // A negative height asks for the character height, without internal leading: the point size.
    font.lfHeight = -static_cast<LONG>(std::lround(design.pointSize * dpi / pointsPerInch));
    font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = fontCharacterSet;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily =
        VARIABLE_PITCH | (design.family == FontFamily::serif ? FF_ROMAN : FF_SWISS);
    installedFace(design).copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}
