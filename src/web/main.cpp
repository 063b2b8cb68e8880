// Kymora in the browser: the page's scripts (page/*.js) make the window's controls from the
// design the program hands it and hands their events back through these functions.

#include "web/PageWindow.h"

#include <emscripten.h>

namespace {

PageWindow *window = nullptr;

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

int main() {
    static PageWindow page;
    window = &page;
    page.load();
    return 0;
}
