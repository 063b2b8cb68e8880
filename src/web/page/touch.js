// The touch layout, which a narrow screen under a finger takes: the same controls flow in their
// tab order above the picture, each at least 44 x 44 pixels, and the picture fills the width
// (shell.html's rules under body.touch). A tap on the picture holds a run, and a held run's
// notice below it has buttons that step it back and forward and let it go on (hold.js).
var Touch = (function () {
    'use strict';

    const narrowUnderFinger = matchMedia('(max-width: 799px) and (pointer: coarse)');

    return {
        on: () => narrowUnderFinger.matches,
        // The layout the screen asks for now.
        apply() {
            document.body.classList.toggle('touch', narrowUnderFinger.matches);
        },
        // Calls back when the screen asks for the other layout: turned, or another screen.
        onChange(changed) {
            narrowUnderFinger.addEventListener('change', changed);
        },
    };
})();
