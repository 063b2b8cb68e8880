// Kymora in the browser: the page's scripts (page/*.js) make the window's controls from the
// design the program hands it and hands their events back through these functions.

#include "form/Language.h"
#include "form/Translation.h"
#include "web/Page.h"
#include "web/PageWindow.h"

#include <emscripten.h>

#include <optional>
#include <string>
#include <utility>

namespace {

PageWindow *window = nullptr;

// The set-up in the page's address (?detector=near&lang=cs), and the first setting in it that is
// wrong, if any: then the page opens as if none had been given.
struct AddressSetup {
    OutsideSetup setup;
    std::optional<std::pair<std::string, std::string>> wrong;
};

AddressSetup addressSetup() {
    AddressSetup address;
    for (auto &[name, value] : page::addressSettings())
        if (!address.setup.choose(name, value).empty())
            return {OutsideSetup(), std::pair(name, value)};
    return address;
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
// browser's; what is wrong in the address is said in it, in the console.
int main() {
    const auto [setup, wrong] = addressSetup();
    speak(chooseLanguage(setup.language(), page::userLanguages()));
    if (wrong)
        page::refuseAddressSettings(OutsideSetup().choose(wrong->first, wrong->second));
    page::setWords({spokenLanguage(), pictureName(), speedBarName(),
                    // TRANSLATORS: the page's words: the name of the list of the captions on
                    // the picture, for screen readers; the notice that the program has ended,
                    // its name and its text, and its button that starts the program again.
                    translate("page", "Captions on the picture"),
                    translate("page", "Kymora has ended"), translate("page", "Kymora has ended."),
                    translate("page", "Start again")});
    static PageWindow page;
    window = &page;
    page.load(setup);
    return 0;
}
