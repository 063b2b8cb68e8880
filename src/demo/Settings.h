#pragma once

#include <array>
#include <string>
#include <string_view>

// The four hidden settings fields of the window. Each holds the decimal text of a whole
// number, written by the option buttons, the scroll bar and the load handler.
enum class SettingField {
    nPoloha,    // detector offset in pixels: "0" far, "170" near
    nSpomaleni, // slow-down factor of every pause, 1 to 20
    nDifrakce,  // mirror kind and strip step: "1" ordinary, "2" grating
    nKmitocet,  // frequency multiplier: "1" or "2"
};

// The field's design name.
constexpr std::string_view fieldName(SettingField field) {
    constexpr std::array<std::string_view, 4> names = {"nPoloha", "nSpomaleni", "nDifrakce",
                                                       "nKmitocet"};
    return names[static_cast<std::size_t>(field)];
}

// Read access to the settings fields, as the run sees them.
class Settings {
public:
    virtual ~Settings() = default;
    virtual std::string text(SettingField field) const = 0;

protected:
    Settings() = default;
    Settings(const Settings &) = default;
    Settings &operator=(const Settings &) = default;
};

// Reads a field and converts its whole text to a number at this moment; the run keeps no
// copy of a setting. Throws RuntimeError "Type mismatch" when the text is not a number.
double readNumber(const Settings &settings, SettingField field);
