// The keys dialog: ? and F1 list the program's keys (form/Keys.h), in the language spoken; Esc
// or Enter closes it. During a run it waits, as other input does.
var KeysDialog = (function () {
    'use strict';

    const dialog = PageDom.byId('keys');

    function open() {
        if (dialog.open)
            return;
        dialog.showModal();
        dialog.focus();
    }

    window.addEventListener('keydown', (event) => {
        const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
        if (dialog.open || !(event.key === 'F1' || (event.key === '?' && plain)))
            return;
        event.preventDefault();
        HeldInput.act(event, open);
    });
    dialog.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter')
            return;
        event.preventDefault();
        dialog.close();
    });

    return {};
})();
