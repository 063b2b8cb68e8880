// Small helpers the page's scripts share.
var PageDom = (function () {
    'use strict';

    // The page's own words, in the language the program speaks: given once, before the
    // controls are made.
    const words = { speedBar: 'Animation speed' };

    return {
        words,
        setWords(given) {
            Object.assign(words, given);
            document.documentElement.lang = given.language;
            document.getElementById('picture').setAttribute('aria-label', given.picture);
            document.getElementById('captions').setAttribute('aria-label', given.captions);
            const ended = document.getElementById('ended');
            ended.setAttribute('aria-label', given.ended);
            ended.querySelector('p').textContent = given.endedNotice;
            document.getElementById('again').textContent = given.again;
            document.getElementById('keys-title').textContent = given.keysTitle;
            document.getElementById('keys-text').textContent = given.keys;
        },
        byId: (id) => document.getElementById(id),
        hex: (colour) => '#' + colour.toString(16).padStart(6, '0'),
        place(element, left, top, width, height) {
            Object.assign(element.style, {
                left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px',
            });
        },
    };
})();
