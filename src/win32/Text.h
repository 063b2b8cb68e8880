#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Conversions between the UTF-8 the design and the run use and the UTF-16 of the Windows API.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

// A window's text: a control's caption, or what an edit field holds.
std::wstring windowText(HWND window);
