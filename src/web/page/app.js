// Served from a web server, the page can be installed as an app and opens without a network
// once it has been visited: it names its manifest and registers its service worker, files that
// lie beside it. Opened from the disk it asks for nothing beyond itself.
var App = (function () {
    'use strict';

    if (location.protocol === 'http:' || location.protocol === 'https:') {
        document.head.append(Object.assign(document.createElement('link'),
                                           { rel: 'manifest', href: 'kymora.webmanifest' }));
        if ('serviceWorker' in navigator)
            navigator.serviceWorker.register('kymora-sw.js');
    }
    return {};
})();
