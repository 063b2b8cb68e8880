#include "win32/WineSettings.h"

#include <cwchar>
#include <string>

namespace {

// Where Wine keeps the colours SetSysColors set for the session, and those of the desktop.
constexpr wchar_t sessionColoursKey[] =
    L"Software\\Wine\\Temporary System Parameters\\Control Panel\\Colors";
constexpr wchar_t desktopColoursKey[] = L"Control Panel\\Colors";
// Where Windows keeps the contrast setting: its flags, in decimal.
constexpr wchar_t highContrastKey[] = L"Control Panel\\Accessibility\\HighContrast";
constexpr wchar_t highContrastFlags[] = L"Flags";

bool runsUnderWine() {
    static const bool wine =
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

std::optional<std::wstring> registryText(const wchar_t *key, const wchar_t *value) {
    wchar_t text[64] = {};
    DWORD size = sizeof(text) - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, key, value, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(text);
}

// "R G B", in decimal.
std::optional<COLORREF> colourOf(const std::wstring &text) {
    unsigned red = 0, green = 0, blue = 0;
    if (std::swscanf(text.c_str(), L"%u %u %u", &red, &green, &blue) != 3 || red > 255 ||
        green > 255 || blue > 255)
        return std::nullopt;
    return RGB(red, green, blue);
}

} // namespace

std::optional<COLORREF> wineSystemColour(std::string_view registryName) {
    if (!runsUnderWine() || registryName.empty())
        return std::nullopt;
    const std::wstring name(registryName.begin(), registryName.end());
    for (const wchar_t *key : {sessionColoursKey, desktopColoursKey})
        if (const std::optional<std::wstring> text = registryText(key, name.c_str()))
            return colourOf(*text);
    return std::nullopt;
}

bool wineHighContrast() {
    if (!runsUnderWine())
        return false;
    const std::optional<std::wstring> flags = registryText(highContrastKey, highContrastFlags);
    return flags && (std::wcstoul(flags->c_str(), nullptr, 10) & HCF_HIGHCONTRASTON) != 0;
}
