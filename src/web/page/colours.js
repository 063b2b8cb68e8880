// The system's colours, as the browser tells them, for the program, which chooses the colours
// shown (design/ColourProfiles.h): whether it forces its colours on the page (a contrast theme),
// whether more contrast is asked for, and its CSS system colours; each change of them is handed
// to the program. And C, the key that switches between the design's colours and the
// projector's; during a run it waits, as other input does.
var SystemColours = (function () {
    'use strict';

    const forced = matchMedia('(forced-colors: active)');
    const moreContrast = matchMedia('(prefers-contrast: more)');
    // A contrast theme changed for another changes the colour scheme, where the browser says so.
    const watched = [forced, moreContrast, matchMedia('(prefers-color-scheme: dark)')];

    // An element whose colour the browser leaves as it is given, to read a colour by its name.
    const probe = Object.assign(document.createElement('span'), { hidden: true });
    probe.style.forcedColorAdjust = 'none';

    function isColoursKey(event) {
        if (event.ctrlKey || event.altKey || event.metaKey)
            return false;
        // The key where C is, where the keyboard writes no Latin letter there.
        return event.key === 'c' || event.key === 'C' ||
               (event.code === 'KeyC' && !/^[a-z]$/i.test(event.key));
    }

    window.addEventListener('keydown', (event) => {
        if (!isColoursKey(event))
            return;
        event.preventDefault();
        if (!event.repeat)
            HeldInput.act(event, () => Module._kymora_switch_colours());
    });

    return {
        forced: () => forced.matches,
        moreContrast: () => moreContrast.matches,

        // A CSS system colour by its name, as 0xRRGGBB: opaque, as the system names it, where the
        // browser makes it translucent (Chromium's Highlight).
        colour(name) {
            document.body.append(probe);
            probe.style.color = name;
            const [red, green, blue] = getComputedStyle(probe).color.match(/[\d.]+/g).map(Number);
            probe.remove();
            return (red << 16) | (green << 8) | blue;
        },

        watch() {
            for (const query of watched)
                query.addEventListener('change', () => Module._kymora_system_colours_changed());
        },
    };
})();
