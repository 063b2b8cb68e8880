#pragma once

#include "form/FormView.h"
#include "form/Keys.h"
#include "form/OutsideSetup.h"
#include "form/frmKymora.h"
#include "web/CanvasSurface.h"
#include "web/PagePacer.h"

#include <string>

// The program's one window in the browser: the page's canvas, with the window's 28 controls
// built from the design on it as HTML controls. It hands the controls' events to the form and
// shows what the form does. Controls are known by their index in the design.
class PageWindow : private FormView {
public:
    PageWindow();
    PageWindow(const PageWindow &) = delete;
    PageWindow &operator=(const PageWindow &) = delete;

    // Loads the form, takes the system's colours, then applies the set-up chosen in the page's
    // address; from then on the address follows the settings, and the window the system's
    // colours.
    void load(const OutsideSetup &setup);

    // Events of the page.
    void clicked(int control);
    void speedBarMoved(SpeedBarMove move, int thumbAt);
    void canvasMadeAnew();
    // The colours key.
    void switchColours();
    // The system's colours, or what it says of contrast, as the browser gives them now.
    void systemColoursChanged();
    // A hold key, or a click or tap on the picture or a hold button, during a run: whether the
    // run took it. The form only queues it: nothing here sleeps, for the page calls these while
    // the run sleeps.
    bool holdKeyPressed(HoldKeyName key);
    bool hold(HoldCommand command);

private:
    // What the form asks of the window.
    std::string text(SettingField field) const override;
    void setText(SettingField field, std::string_view text) override;
    void check(Option option) override;
    int scrollBarValue() const override;
    void setScrollBarValue(int value) override;
    void announce(std::string_view description) override;
    void showNotice(std::string_view text) override;
    void hideNotice() override;
    void showColours(const ShownColours &colours) override;
    void reportError(const RuntimeError &error) override;
    void unload(int exitCode) override;

    // The page's address, given the settings as they stand.
    void followSettings();

    // The page's title, client area, fonts and controls, made from the design before anything
    // is drawn.
    struct Controls {
        Controls();
    };

    Controls controls_;
    CanvasSurface surface_;
    PagePacer pacer_;
    frmKymora form_;
    Zoom zoom_;
    bool loaded_ = false;
};
