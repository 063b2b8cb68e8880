#include "win32/SystemColours.h"

#include "win32/WineSettings.h"

#include <optional>

COLORREF toColorRef(Colour colour) {
    return static_cast<COLORREF>(colour);
}

SystemColours readSystemColours() {
    SystemColours colours;
    for (const SystemColourName &name : systemColourNames()) {
        const std::optional<COLORREF> kept = wineSystemColour(name.registry);
        colours.*name.colour = static_cast<Colour>(kept ? *kept : GetSysColor(name.windowsIndex));
    }
    return colours;
}

SystemContrast readSystemContrast() {
    HIGHCONTRASTW contrast{sizeof(contrast), 0, nullptr};
    const bool read = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0);
    const bool on = read && (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return {on || wineHighContrast(), false};
}
