#pragma once

#include "demo/Settings.h"

#include <windows.h>

// The run's view of the window's four hidden settings fields: the text each holds right now.
class FormSettings : public Settings {
public:
    FormSettings(HWND nPoloha, HWND nSpomaleni, HWND nDifrakce, HWND nKmitocet);

    std::string text(SettingField field) const override;

private:
    HWND field(SettingField field) const;

    HWND nPoloha_;
    HWND nSpomaleni_;
    HWND nDifrakce_;
    HWND nKmitocet_;
};
