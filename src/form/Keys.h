#pragma once

#include "demo/RunPacer.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The keys that hold a run, as a front end names them.
enum class HoldKeyName { p, pause, right, pageDown, left, pageUp };

// What a hold key asks of a run: P and Pause hold it or let it go on; → and Page Down step it
// forward, ← and Page Up back.
HoldCommand holdCommandOf(HoldKeyName key);

// The program's keys, as the keys dialog, --help, the manual page and the README list them: the
// keys, and what they do, in English; translate("keys", …) gives them in the language spoken.
struct KeyHelp {
    std::string_view keys;
    std::string_view does;
};
std::span<const KeyHelp> keyTable();

// The keys and what they do, one key to a line, in the language spoken, each line indented and
// its keys padded to one column: for the keys dialog and --help.
std::string keysInWords(std::string_view indent = {});
// The keys dialog's title, in the language spoken.
std::string_view keysTitle();
