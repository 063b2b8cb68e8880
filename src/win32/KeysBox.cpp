#include "win32/KeysBox.h"

#include "form/Keys.h"
#include "form/Translation.h"
#include "win32/GdiObjects.h"
#include "win32/Text.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A message box expands a tab to the next multiple of eight average characters of its font.
constexpr int charactersPerTab = 8;
// The least space between a key and what it does, in average characters.
constexpr int columnGap = 2;

struct KeyLine {
    std::wstring keys;
    std::wstring does;
};

std::vector<KeyLine> keyLines() {
    std::vector<KeyLine> lines;
    for (const KeyHelp &key : keyTable())
        lines.push_back({toWide(translate("keys", key.keys)), toWide(translate("keys", key.does))});
    return lines;
}

// The keys' widths in the message box's font, its tab's and its average character's.
struct KeyWidths {
    std::vector<int> keys;
    int tab = 1;
    int character = 1;
};

KeyWidths measure(const std::vector<KeyLine> &lines, HWND owner) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                               GetDpiForWindow(owner));
    const Font font(CreateFontIndirectW(&metrics.lfMessageFont));
    KeyWidths widths;
    HDC screen = GetDC(nullptr);
    {
        const Selection selected(screen, font.get());
        TEXTMETRICW text{};
        GetTextMetricsW(screen, &text);
        widths.character = std::max(1, int(text.tmAveCharWidth));
        widths.tab = widths.character * charactersPerTab;
        for (const KeyLine &line : lines) {
            SIZE size{};
            GetTextExtentPoint32W(screen, line.keys.c_str(), int(line.keys.size()), &size);
            widths.keys.push_back(size.cx);
        }
    }
    ReleaseDC(nullptr, screen);
    return widths;
}

// Two columns in a proportional font: each line's keys, then as many tabs as take it to the
// first tab stop past the widest keys and the gap.
std::wstring inColumns(const std::vector<KeyLine> &lines, const KeyWidths &widths) {
    const int widest = *std::max_element(widths.keys.begin(), widths.keys.end());
    const int column = (widest + columnGap * widths.character) / widths.tab + 1;
    std::wstring text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int tabs = column - widths.keys[i] / widths.tab;
        text += lines[i].keys + std::wstring(std::size_t(tabs), L'\t') + lines[i].does + L"\n";
    }
    return text;
}

} // namespace

void showKeys(HWND owner) {
    const std::vector<KeyLine> lines = keyLines();
    const std::wstring text = inColumns(lines, measure(lines, owner));
    MessageBoxW(owner, text.c_str(), toWide(keysTitle()).c_str(), MB_OK | MB_ICONINFORMATION);
}
