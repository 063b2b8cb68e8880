#include "form/Options.h"

#include <array>

namespace {

struct OptionEntry {
    std::string_view name;
    FixedWrite write;
};

// In the order of the enumeration.
constexpr std::array<OptionEntry, allOptions.size()> options = {{
    {"op1", {SettingField::nKmitocet, "1"}},
    {"op2", {SettingField::nKmitocet, "2"}},
    {"opAno", {SettingField::nDifrakce, "2"}},
    {"opNe", {SettingField::nDifrakce, "1"}},
    {"opBlízko", {SettingField::nPoloha, "170"}},
    {"opDaleko", {SettingField::nPoloha, "0"}},
    {"opPomala", {SettingField::nSpomaleni, "20"}},
    {"opPomalej", {SettingField::nSpomaleni, "10"}},
    {"opRychlá", {SettingField::nSpomaleni, "1"}},
}};

const OptionEntry &entryOf(Option option) {
    return options[static_cast<std::size_t>(option)];
}

} // namespace

std::string_view optionName(Option option) {
    return entryOf(option).name;
}

bool isOptionNamed(std::string_view name, Option &option) {
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i].name == name) {
            option = static_cast<Option>(i);
            return true;
        }
    return false;
}

FixedWrite writeOf(Option option) {
    return entryOf(option).write;
}
