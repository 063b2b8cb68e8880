#include "form/Keys.h"

#include "design/WindowDesign.h"
#include "form/TextColumns.h"
#include "form/Translation.h"

namespace {

// TRANSLATORS: the program's keys, in the keys dialog (F1) and in --help. Translate the names
// of keys as the keyboards of your language label them.
constexpr KeyHelp keys[] = {
    {NC_("keys", "Tab, Shift+Tab"), NC_("keys", "Moves between the controls")},
    {NC_("keys", "Space, Enter"), NC_("keys", "Presses Start or Exit, when it has the focus")},
    {NC_("keys", "← → ↑ ↓, Page Up, Page Down"),
     NC_("keys", "Moves the speed bar, when it has the focus")},
    {NC_("keys", "Home, End"), NC_("keys", "Fastest, slowest")},
    {NC_("keys", "Ctrl+Plus, Ctrl+Minus, Ctrl+0"), NC_("keys", "Larger, smaller, actual size")},
    {NC_("keys", "F11"), NC_("keys", "Full screen, and back")},
    {NC_("keys", "Esc"), NC_("keys", "Leaves full screen")},
    {NC_("keys", "C"), NC_("keys", "Projector colours, and back")},
    {NC_("keys", "P, Pause, a click on the picture"),
     NC_("keys", "During a run: holds it at its strip, and lets it go on")},
    {NC_("keys", "→, Page Down"), NC_("keys", "While held: one strip forward")},
    {NC_("keys", "←, Page Up"), NC_("keys", "While held: one strip back")},
    {NC_("keys", "F1"), NC_("keys", "Shows these keys")},
};

} // namespace

HoldCommand holdCommandOf(HoldKeyName key) {
    switch (key) {
    case HoldKeyName::right:
    case HoldKeyName::pageDown:
        return HoldCommand::stepForward;
    case HoldKeyName::left:
    case HoldKeyName::pageUp:
        return HoldCommand::stepBack;
    case HoldKeyName::p:
    case HoldKeyName::pause:
        break;
    }
    return HoldCommand::holdOrGoOn;
}

std::span<const KeyHelp> keyTable() {
    return keys;
}

std::string_view keysTitle() {
    // TRANSLATORS: the title of the dialog that F1 shows, which lists the program's keys.
    return translate("keys", "Keys");
}

std::string keysInWords(std::string_view indent) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (const KeyHelp &key : keys)
        lines.emplace_back(translate("keys", key.keys), translate("keys", key.does));
    return inTwoColumns(lines, indent);
}
