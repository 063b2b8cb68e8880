// Kymora in the browser: the page's scripts (page/*.js) make the window's controls from the
// design the program hands it and hands their events back through these functions.

#include "form/HoldNotice.h"
#include "form/Keys.h"
#include "form/Language.h"
#include "form/Translation.h"
#include "form/Zoom.h"
#include "web/Page.h"
#include "web/PageWindow.h"

#include <emscripten.h>

#include <string>
#include <vector>

namespace {

PageWindow *window = nullptr;
// The zoom the address asked for, if any.
Zoom askedZoom;

// The set-up in the page's address (?detector=near&lang=cs), up to its first wrong setting.
OutsideSetup addressSetup() {
    OutsideSetup setup;
    const std::vector<std::string> settings = page::addressSettings();
    for (std::size_t i = 0; i + 1 < settings.size(); i += 2)
        if (!setup.choose(settings[i], settings[i + 1]).empty())
            break;
    return setup;
}

} // namespace

extern "C" {

// A click on the control of that index in the design (a command button, or an option button
// the user selected).
EMSCRIPTEN_KEEPALIVE void kymora_clicked(int control) {
    window->clicked(control);
}

// The speed bar was moved: a SpeedBarMove, and where its thumb was let go.
EMSCRIPTEN_KEEPALIVE void kymora_speed_bar_moved(int move, int thumbAt) {
    window->speedBarMoved(static_cast<SpeedBarMove>(move), thumbAt);
}

// A hold key (a HoldKeyName), pressed during a run: whether the run took it, or the key does
// what it does anyway. The page calls it while the run sleeps.
EMSCRIPTEN_KEEPALIVE int kymora_hold_key(int key) {
    return window->holdKeyPressed(static_cast<HoldKeyName>(key));
}

// A click or tap on the picture, or a hold button (a HoldCommand): whether the run took it.
EMSCRIPTEN_KEEPALIVE int kymora_hold(int command) {
    return window->hold(static_cast<HoldCommand>(command));
}

// The page has made its canvas anew.
EMSCRIPTEN_KEEPALIVE void kymora_canvas_made_anew() {
    window->canvasMadeAnew();
}

// The browser's forced colours, its system colours or its contrast setting changed.
EMSCRIPTEN_KEEPALIVE void kymora_system_colours_changed() {
    window->systemColoursChanged();
}

// The colours key: the design's colours or the projector's.
EMSCRIPTEN_KEEPALIVE void kymora_switch_colours() {
    window->switchColours();
}

// The form's zoom in a window of that size, in CSS pixels; 0 where the address asked for none.
EMSCRIPTEN_KEEPALIVE double kymora_zoom_factor(double width, double height) {
    if (askedZoom == Zoom())
        return 0;
    return zoomFactor(askedZoom, width, height);
}

} // extern "C"

// The language is chosen before the window is made: asked for in the address, or else the
// browser's; what is wrong in the address is said in it, in the console.
int main() {
    const OutsideSetup address = addressSetup();
    // A wrong set-up is as if none had been given.
    const OutsideSetup setup = address.isWrong() ? OutsideSetup() : address;
    speak(chooseLanguage(setup.language(), page::userLanguages()));
    if (address.isWrong())
        page::refuseAddressSettings(address.refusal());
    const HoldButtonNames holdButtons = holdButtonNames();
    const std::string keys = keysInWords();
    page::setWords({.language = spokenLanguage(),
                    .picture = pictureName(),
                    .speedBar = speedBarName(),
                    // TRANSLATORS: the page's words: the name of the list of the captions on
                    // the picture, for screen readers; the notice that the program has ended,
                    // its name and its text, and its button that starts the program again.
                    .captions = translate("page", "Captions on the picture"),
                    .ended = translate("page", "Kymora has ended"),
                    .endedNotice = translate("page", "Kymora has ended."),
                    .again = translate("page", "Start again"),
                    .keysTitle = keysTitle(),
                    .keys = keys,
                    .stepBack = holdButtons.stepBack,
                    .stepForward = holdButtons.stepForward,
                    .goOn = holdButtons.goOn});
    // The browser has its own full screen (F11): ?fullscreen fills its window.
    askedZoom = setup.zoom();
    static PageWindow page;
    window = &page;
    page.load(setup);
    return 0;
}
