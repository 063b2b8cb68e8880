// Fitting the zoom: the design's layout at the zoom the address asked for (?zoom=fit fills the
// window, centred), or else fitting the width of a narrow screen, scaled down; the touch layout
// flows, unzoomed.
var Zoom = (function () {
    'use strict';

    const byId = PageDom.byId;
    let factor = 1; // the form's size to its design's

    return {
        factor: () => factor,

        // The window laid out for the room the browser gives it.
        fit(client) {
            const touch = Touch.on();
            const room = { width: document.documentElement.clientWidth,
                           height: window.innerHeight };
            const asked = Module._kymora_zoom_factor(room.width, room.height);
            factor = touch ? 1 : asked || Math.min(1, room.width / client.width);
            const area = byId('client');
            area.style.transform = factor !== 1 ? 'scale(' + factor + ')' : '';
            area.style.transformOrigin = '0 0';
            const wrapper = byId('window');
            wrapper.style.width = client.width * factor + 'px';
            wrapper.style.height = client.height * factor + 'px';
            wrapper.style.overflow = touch ? '' : 'hidden';
            const margin = (length, shown) => asked && !touch
                                               ? Math.max(0, (length - shown) / 2) + 'px' : '';
            wrapper.style.marginLeft = margin(room.width, client.width * factor);
            wrapper.style.marginTop = margin(room.height, client.height * factor);
        },
    };
})();
