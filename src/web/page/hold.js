// The teacher's hand on a run (demo/RunHold.h): the hold keys, a click or tap on the picture and,
// under a finger, the hold buttons reach the program at once, while the run sleeps, and it says
// whether the run took them; a key it did not take does what it does anyway. A held run's notice
// stands over the picture, in the client area, which the zoom scales; in the touch layout it
// stands below the picture, with the hold buttons (shell.html).
var Hold = (function () {
    'use strict';

    const byId = PageDom.byId;
    // The browser's names of the hold keys, as the program names them (form/Keys.h).
    const keyNames = { p: 'p', P: 'p', Pause: 'pause', ArrowRight: 'right', PageDown: 'pageDown',
                       ArrowLeft: 'left', PageUp: 'pageUp' };
    // The hold buttons: each one's command, and its name among the page's words.
    const buttons = [{ command: 'stepBack', name: 'stepBack' },
                     { command: 'stepForward', name: 'stepForward' },
                     { command: 'holdOrGoOn', name: 'goOn' }];
    let numbers = null; // the program's, once it has handed them
    const taken = new Set(); // the hold keys down whose press the run took

    function pressed(event) {
        const name = keyNames[event.key];
        if (!numbers || !name || event.ctrlKey || event.altKey || event.metaKey)
            return;
        // A key held down acts once: its repeats go with it.
        const repeatOfTaken = event.repeat && taken.has(name);
        if (repeatOfTaken || Module._kymora_hold_key(numbers.keys[name])) {
            taken.add(name);
            event.preventDefault();
            event.stopPropagation();
        }
    }

    function command(name) {
        if (numbers)
            Module._kymora_hold(numbers.commands[name]);
    }

    function makeButtons() {
        // (Emscripten's minifier loses a destructuring in a for-of.)
        for (const shown of buttons) {
            const button = Object.assign(document.createElement('button'), { type: 'button' });
            button.textContent = PageDom.words[shown.name];
            button.addEventListener('click', () => command(shown.command));
            byId('hold-buttons').append(button);
        }
    }

    // Before the controls' own keys: a key the run takes is not theirs.
    window.addEventListener('keydown', pressed, true);
    window.addEventListener('keyup', (event) => taken.delete(keyNames[event.key]), true);
    byId('picture').addEventListener('click', () => command('holdOrGoOn'));

    return {
        setNumbers(given) {
            numbers = given;
            makeButtons();
        },

        // Last in the client area, so that its buttons come after the controls in tab order.
        showNotice(text) {
            const notice = byId('notice');
            byId('notice-text').textContent = text;
            byId('client').append(notice);
            notice.hidden = false;
        },
        hideNotice() {
            byId('notice').hidden = true;
        },
    };
})();
