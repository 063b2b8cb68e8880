// What the user does to the controls during a run is held and done, in the order it came, once
// the run is over; after the program has ended nothing is done any more.
var HeldInput = (function () {
    'use strict';

    const held = [];
    let running = false;
    let doingWhatWasHeld = false;

    function doWhatWasHeld() {
        doingWhatWasHeld = true;
        while (held.length > 0 && !running)
            held.shift()();
        doingWhatWasHeld = false;
    }

    return {
        // Something that acts on a control: done now, or, during a run and until what was held
        // before it is done, held; then done later, by then.
        act(event, now, later) {
            if (!running && (held.length === 0 || doingWhatWasHeld))
                return now();
            if (event)
                event.preventDefault();
            held.push(later || now);
        },

        hold() {
            running = true;
        },

        // The run is over: what was held is done, after the program has returned.
        resume() {
            running = false;
            setTimeout(doWhatWasHeld, 0);
        },

        // An error, or the end: what was held is dropped, and nothing reaches the program now.
        drop() {
            held.length = 0;
        },
        end() {
            held.length = 0;
            running = true;
        },
    };
})();
