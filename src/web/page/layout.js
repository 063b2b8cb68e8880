// The window's client area at its design's size, laid out again when the browser's window
// changes: a rotation, a resize or a zoom may change the layout, the picture's size or the pixel
// ratio, and the picture is then made anew where its pixels changed, and the speed bar's thumb
// moved.
var Layout = (function () {
    'use strict';

    const byId = PageDom.byId;
    const client = { width: 0, height: 0 };

    function layOut() {
        Touch.apply();
        Zoom.fit(client);
        Picture.refresh();
        SpeedBar.refresh();
    }

    return {
        // The client area's size, in CSS pixels; the picture's canvas is made at it.
        setClientSize(size) {
            const width = size.width;
            const height = size.height;
            Object.assign(client, { width, height });
            for (const id of ['client', 'picture'])
                Object.assign(byId(id).style, { width: width + 'px', height: height + 'px' });
            document.documentElement.style.setProperty('--picture-ratio', width + ' / ' + height);
            Touch.apply();
            Zoom.fit(client);
            Picture.make(client);
            window.addEventListener('resize', layOut);
            Touch.onChange(layOut);
        },
    };
})();
