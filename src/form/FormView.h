#pragma once

#include "demo/Settings.h"

#include <string_view>

class RuntimeError;

// The option buttons of the window, four groups of them: frequency (op1, op2), mirror (opAno,
// opNe), detector position (opBlízko, opDaleko) and the hidden speed frame (opPomala,
// opPomalej, opRychlá).
enum class Option { op1, op2, opAno, opNe, opBlízko, opDaleko, opPomala, opPomalej, opRychlá };

// The design name of an option button, and the option button of a design name.
std::string_view optionName(Option option);
bool isOptionNamed(std::string_view name, Option &option);

// What the form asks of the window that shows it. The window reads and writes its four hidden
// settings fields (the run reads them through the same view), shows an option button as the
// selected one of its frame, tells where its scroll bar stands, reports an error and ends the
// program.
class FormView : public Settings {
public:
    // Settings::text(field) reads a field's text as it is now.
    virtual void setText(SettingField field, std::string_view text) = 0;

    // Shows the option button as selected and the other buttons of its frame as not.
    virtual void check(Option option) = 0;

    // The scroll bar's value, speedMinimum to speedMaximum.
    virtual int scrollBarValue() const = 0;

    // Shows the error to the user and returns when the user has seen it. No input reaches the
    // form meanwhile.
    virtual void reportError(const RuntimeError &error) = 0;

    // Unloads the window, which ends the program with this exit code.
    virtual void unload(int exitCode) = 0;

protected:
    FormView() = default;
    FormView(const FormView &) = default;
    FormView &operator=(const FormView &) = default;
};
