#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

// What Wine keeps of the system's colours and its contrast setting where its calls do not tell a
// running program. Wine (8) answers GetSysColor from each process's own copy of the colours,
// read once, which SetSysColors in another process never refreshes, though it tells every window
// of the change (WM_SYSCOLORCHANGE); and it keeps no contrast setting at all: SPI_SETHIGHCONTRAST
// fails, and SPI_GETHIGHCONTRAST always says that no contrast theme is on. Under Wine the program
// reads them from the registry, where Wine keeps the colours set for the session and those of
// the desktop, and where Windows keeps the contrast setting. On Windows there is nothing here.

// A system colour as Wine keeps it, by its name in the registry (systemColourNames()); none on
// Windows, or for a colour Wine does not keep.
std::optional<COLORREF> wineSystemColour(std::string_view registryName);

// Whether a contrast theme is on, as the registry keeps it, under Wine; false on Windows.
bool wineHighContrast();
