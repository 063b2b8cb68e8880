// Kymora in the browser: the page's scripts (page/*.js) make the window's controls from the
// design the program hands it and hands their events back through these functions.

#include "form/Language.h"
#include "form/Translation.h"
#include "web/Page.h"
#include "web/PageWindow.h"

#include <emscripten.h>

namespace {

PageWindow *window = nullptr;

// The set-up in the page's address (?detector=near&lang=cs). A wrong one is said in the console,
// and the page opens as if none had been given.
OutsideSetup addressSetup() {
    OutsideSetup setup;
    for (const auto &[name, value] : page::addressSettings()) {
        const std::string wrong = setup.choose(name, value);
        if (!wrong.empty()) {
            page::refuseAddressSettings(wrong);
            return OutsideSetup();
        }
    }
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

// The page has made its canvas anew.
EMSCRIPTEN_KEEPALIVE void kymora_canvas_made_anew() {
    window->canvasMadeAnew();
}

} // extern "C"

// The language is chosen before the window is made: asked for in the address, or else the
// browser's.
int main() {
    const OutsideSetup setup = addressSetup();
    speak(chooseLanguage(setup.language(), page::userLanguages()));
    page::setLanguage(spokenLanguage());
    static PageWindow page;
    window = &page;
    page.load(setup);
    return 0;
}
