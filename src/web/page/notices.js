// What the page says beyond its window: what a run showed, for screen readers; an error, in a
// dialog; the program's end, with a way to start it again; and a wrong set-up in its address,
// in the console. Also the set-up the address gives, and follows, and the browser's languages.
var Notices = (function () {
    'use strict';

    const byId = PageDom.byId;
    byId('again').addEventListener('click', () => location.reload());

    return {
        setTitle(title) {
            document.title = title;
        },

        // A caption painted on the picture, for screen readers too.
        showCaption(index, text) {
            let item = document.querySelector('#captions > [data-caption="' + index + '"]');
            if (!item) {
                item = Object.assign(document.createElement('li'), { textContent: text });
                item.dataset.caption = String(index);
                byId('captions').append(item);
            }
        },

        // The live region, and the picture's label; emptied as a run begins, so that the same
        // words at its end are spoken again, while the picture keeps its name.
        announce(description) {
            byId('summary').textContent = description;
            Picture.describe(description || PageDom.words.picture);
        },

        // Resolves once the user has closed the dialog.
        showError(title, message) {
            HeldInput.drop();
            byId('error-title').textContent = title;
            byId('error-message').textContent = message;
            const dialog = byId('error');
            return new Promise((resolve) => {
                dialog.addEventListener('close', resolve, { once: true });
                dialog.showModal();
            });
        },

        endProgram() {
            HeldInput.end();
            byId('window').hidden = true;
            byId('ended').hidden = false;
            byId('again').focus();
        },

        // The settings in the page's address, each name followed by its value, in order.
        addressSettings: () => [...new URLSearchParams(location.search)].flat(),
        // The address that gives the settings as they stand: the page's entry in the history,
        // replaced, so that Back leaves the page as before.
        followSetup(query) {
            history.replaceState(history.state, '', '?' + query + location.hash);
        },
        refuseAddressSettings(why) {
            console.error('Kymora: ' + why);
        },
        // The browser's languages, in the user's order of preference.
        userLanguages: () => [...navigator.languages],
    };
})();
