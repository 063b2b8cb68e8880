#pragma once

#include "demo/Settings.h"

#include <array>
#include <string_view>

// The option buttons of the window, four groups of them: frequency (op1, op2), mirror (opAno,
// opNe), detector position (opBlízko, opDaleko) and the hidden speed frame (opPomala,
// opPomalej, opRychlá).
enum class Option { op1, op2, opAno, opNe, opBlízko, opDaleko, opPomala, opPomalej, opRychlá };
inline constexpr std::array<Option, 9> allOptions = {
    Option::op1,      Option::op2,      Option::opAno,     Option::opNe,     Option::opBlízko,
    Option::opDaleko, Option::opPomala, Option::opPomalej, Option::opRychlá,
};

// The design name of an option button, and the option button of a design name.
std::string_view optionName(Option option);
bool isOptionNamed(std::string_view name, Option &option);

// What an option button's click handler does: it writes one fixed text into one field.
struct FixedWrite {
    SettingField field;
    std::string_view text;
};
FixedWrite writeOf(Option option);
