#pragma once

#include "demo/RuntimeError.h"
#include "design/WindowDesign.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// The languages Kymora speaks: English first, the language of its sources, then those of its
// translations, as po/LINGUAS lists them.
std::span<const std::string_view> spokenLanguages();

// Chooses the language the program speaks, once, before its window is made: English, or one
// of the spoken languages.
void speak(std::string_view language);
std::string_view spokenLanguage();

// A text of the program's in the language it speaks, found by its context and its English
// text; the English text where there is no translation.
std::string_view translate(std::string_view context, std::string_view english);

// A control's caption as the user reads it, in the language spoken; a settings field's text is
// no caption and stays as it is.
std::string_view captionOf(const ControlDesign &control);

// A translated text with its directives replaced, as C's printf replaces those of strings:
// each "%s" by the next of the values, in order, each "%2$s" by the second, and "%%" by "%".
std::string filledIn(std::string_view text, std::initializer_list<std::string_view> values);

// A value or a name within the language's own quotation marks: "up", „up“ in Czech.
std::string quoted(std::string_view text);

// What screen readers call the picture, and the speed bar, in the language spoken.
std::string_view pictureName();
std::string_view speedBarName();

// The message that reports an error of a run: "Run-time error '13':", a blank line and what
// the error is, in the language spoken.
std::string errorMessage(const RuntimeError &error);

// A number with one decimal, written with the language's decimal separator: "165,1" in Czech.
std::string decimalNumber(double value);
