// Small helpers the page's scripts share.
var PageDom = (function () {
    'use strict';

    return {
        byId: (id) => document.getElementById(id),
        hex: (colour) => '#' + colour.toString(16).padStart(6, '0'),
        place(element, left, top, width, height) {
            Object.assign(element.style, {
                left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px',
            });
        },
    };
})();
