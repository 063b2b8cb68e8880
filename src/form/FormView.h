#pragma once

#include "demo/Settings.h"
#include "design/ColourProfiles.h"
#include "form/Options.h"

#include <string_view>

class RuntimeError;

// What the form asks of the window that shows it. The window reads and writes its four hidden
// settings fields (the run reads them through the same view), shows an option button as the
// selected one of its frame, tells where its scroll bar stands, tells assistive technology what a
// run showed, reports an error and ends the program.
class FormView : public Settings {
public:
    // Settings::text(field) reads a field's text as it is now.
    virtual void setText(SettingField field, std::string_view text) = 0;

    // Shows the option button as selected and the other buttons of its frame as not.
    virtual void check(Option option) = 0;

    // The scroll bar's value, speedMinimum to speedMaximum.
    virtual int scrollBarValue() const = 0;
    // Moves the scroll bar to the value; its change is the form's to handle.
    virtual void setScrollBarValue(int value) = 0;

    // Tells assistive technology, in words, what the run that has just ended showed, or that a
    // run is held, stepped or goes on. An empty text clears what was told, so that the same
    // words are told again next time.
    virtual void announce(std::string_view description) = 0;

    // Shows a notice over the window, above the picture and no part of it, until it is hidden:
    // a held run's, in words the back row can read.
    virtual void showNotice(std::string_view text) = 0;
    virtual void hideNotice() = 0;

    // Shows the window, its controls and its picture in these colours from now on: the picture is
    // drawn anew from what it shows, at once.
    virtual void showColours(const ShownColours &colours) = 0;

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
