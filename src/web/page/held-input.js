// The pacer's side of the page (web/PagePacer.cpp), by the rule of demo/RunPacer.h: what the user
// does to the controls while a run waits is held and done, in the order it came, once the run is
// over; after the program has ended nothing is done any more. The queue is here, not in the
// program, because the browser forces it: it hands the page each event as it comes, and an
// event left unanswered is lost, where a desktop's window system keeps it for later. The hold
// keys and a click or tap on the picture are the exception the rule makes: they reach the
// program at once (hold.js), and so does a close, which has no meaning in a page (Exit is a
// control, held as the others are). The pacer's sleep is here too, which a hold command ends.
var HeldInput = (function () {
    'use strict';

    const held = [];
    let running = false;
    let doingWhatWasHeld = false;
    let wakeUp = null; // ends the sleep in progress

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

        // Resolves after the time, or at once when woken: the program sleeps on it, and the
        // call that wakes it returns before the program goes on.
        sleep(milliseconds) {
            return new Promise((resolve) => {
                const timer = setTimeout(() => wakeUp(), milliseconds);
                wakeUp = () => {
                    clearTimeout(timer);
                    wakeUp = null;
                    resolve();
                };
            });
        },
        wake() {
            if (wakeUp)
                wakeUp();
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
