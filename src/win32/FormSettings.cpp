#include "win32/FormSettings.h"

#include "win32/Text.h"

FormSettings::FormSettings(HWND nPoloha, HWND nSpomaleni, HWND nDifrakce, HWND nKmitocet)
    : nPoloha_(nPoloha), nSpomaleni_(nSpomaleni), nDifrakce_(nDifrakce), nKmitocet_(nKmitocet) {}

HWND FormSettings::field(SettingField field) const {
    switch (field) {
    case SettingField::nPoloha:
        return nPoloha_;
    case SettingField::nSpomaleni:
        return nSpomaleni_;
    case SettingField::nDifrakce:
        return nDifrakce_;
    case SettingField::nKmitocet:
        return nKmitocet_;
    }
    return nullptr;
}

std::string FormSettings::text(SettingField which) const {
    HWND edit = field(which);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return toUtf8(text);
}
