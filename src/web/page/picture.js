// The window's client area: its size from the design, in the design's layout or, on a narrow
// screen under a finger, in the touch layout; and the picture on one canvas at the device's
// pixel ratio, made anew when the ratio or the picture's size changes (a zoom, another screen,
// a rotation) or after the browser dropped it; the program then draws it again.
var Picture = (function () {
    'use strict';

    const byId = PageDom.byId;
    const hex = PageDom.hex;
    const client = { width: 0, height: 0 };
    // A narrow screen under a finger takes the touch layout.
    const touch = matchMedia('(max-width: 799px) and (pointer: coarse)');
    let canvas = null;
    let context = null;
    let ratio = 1; // the device's pixel ratio
    let scale = 1; // the canvas's pixels to a pixel of the client area
    let zoom = 1; // the design's layout at ?zoom: the form's size to its design's
    let fontShown = null; // the design's font the context has
    // A caption's lines, their widths and their height, for each text, width and font: a run
    // paints its captions again at each move, and measuring text is slow in some engines.
    const textLayouts = new Map();

    // In the touch layout the picture fills the width: its pixels are the device's there too.
    function wantedScale() {
        ratio = window.devicePixelRatio || 1;
        return touch.matches ? ratio * canvas.clientWidth / client.width
                             : ratio * Math.max(1, zoom);
    }

    function makeCanvas() {
        scale = wantedScale();
        canvas.width = Math.round(client.width * scale);
        canvas.height = Math.round(client.height * scale);
        context = canvas.getContext('2d', { alpha: false, willReadFrequently: true });
        context.setTransform(scale, 0, 0, scale, 0, 0);
        fontShown = null;
        matchMedia('(resolution: ' + ratio + 'dppx)').addEventListener('change', drawAnew,
                                                                         { once: true });
    }

    function drawAnew() {
        if (wantedScale() === scale && !(canvas.isContextLost && canvas.isContextLost()))
            return;
        makeCanvas();
        Module._kymora_canvas_made_anew();
    }

    // The design's layout at the zoom the address asked for (?zoom=fit fills the window, centred),
    // or else fitting the width of a narrow screen, scaled down; the touch layout flows.
    function fitToScreen() {
        const room = { width: document.documentElement.clientWidth, height: window.innerHeight };
        const asked = Module._kymora_zoom_factor(room.width, room.height);
        zoom = touch.matches ? 1 : asked || Math.min(1, room.width / client.width);
        const area = byId('client');
        area.style.transform = zoom !== 1 ? 'scale(' + zoom + ')' : '';
        area.style.transformOrigin = '0 0';
        const wrapper = byId('window');
        wrapper.style.width = client.width * zoom + 'px';
        wrapper.style.height = client.height * zoom + 'px';
        wrapper.style.overflow = touch.matches ? '' : 'hidden';
        const margin = (length, shown) => asked && !touch.matches
                                           ? Math.max(0, (length - shown) / 2) + 'px' : '';
        wrapper.style.marginLeft = margin(room.width, client.width * zoom);
        wrapper.style.marginTop = margin(room.height, client.height * zoom);
    }

    // A rotation, a resize or a zoom may change the layout, the picture's size or the pixel
    // ratio: the picture is drawn anew where its pixels changed, and the speed bar's thumb moved.
    function layOut() {
        document.body.classList.toggle('touch', touch.matches);
        fitToScreen();
        drawAnew();
        SpeedBar.refresh();
    }

    // The lines of a text wrapped at spaces within a width.
    function wrap(text, width) {
        const lines = [];
        let line = '';
        for (const word of text.split(' ')) {
            const longer = line ? line + ' ' + word : word;
            if (line && context.measureText(longer).width > width) {
                lines.push(line);
                line = word;
            } else {
                line = longer;
            }
        }
        lines.push(line);
        return lines;
    }

    // Fills a rectangle of the client area with whole pixels of the canvas, at least one each
    // way, which at a scale that is not whole leaves no half-covered pixel at its edges:
    // rectangles side by side, as the band's rows are, cover what lies beneath them.
    function fillPixels(left, top, width, height) {
        const snap = (v) => Math.round(v * scale) / scale;
        const span = (from, length) => Math.max(snap(from + length) - snap(from), thin());
        context.fillRect(snap(left), snap(top), span(left, width), span(top, height));
    }

    // A line of a width at the canvas's scale: in proportion, whole pixels, at least one.
    function widthAtScale(width) {
        return Math.max(1, Math.round(Math.max(width, 1) * scale)) / scale;
    }

    function thin() {
        return widthAtScale(1);
    }

    function lineHeight() {
        const metrics = context.measureText('Mg');
        return Math.ceil(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
    }

    function useFont(font) {
        if (font !== fontShown)
            context.font = Controls.cssFont(font);
        fontShown = font;
    }

    function textLayout(text, width, font) {
        const key = font + ' ' + width + ' ' + text;
        let layout = textLayouts.get(key);
        if (!layout) {
            useFont(font);
            const lines = wrap(text, width);
            layout = { lines, widths: lines.map((line) => context.measureText(line).width),
                       step: lineHeight() };
            textLayouts.set(key, layout);
        }
        return layout;
    }

    return {
        // The client area's size, in CSS pixels; the canvas is made at it.
        setClientSize(width, height) {
            Object.assign(client, { width, height });
            for (const id of ['client', 'picture'])
                Object.assign(byId(id).style, { width: width + 'px', height: height + 'px' });
            document.documentElement.style.setProperty('--picture-ratio', width + ' / ' + height);
            canvas = byId('picture');
            document.body.classList.toggle('touch', touch.matches);
            fitToScreen();
            makeCanvas();
            canvas.addEventListener('contextrestored', drawAnew);
            window.addEventListener('resize', layOut);
            touch.addEventListener('change', layOut);
        },

        // The label screen readers give the picture.
        describe(text) {
            canvas.setAttribute('aria-label', text);
        },

        clear(background) {
            context.fillStyle = hex(background);
            context.fillRect(0, 0, client.width, client.height);
        },

        // A line at the pen's width with round ends. A thin line has its whole coordinates at
        // the centres of pixels; one along a row or a column of whole pixels fills exactly them.
        drawLine(x1, y1, x2, y2, width, colour) {
            const whole = [x1, y1, x2, y2].every(Number.isInteger);
            if (width <= 1 && whole && (x1 === x2 || y1 === y2)) {
                context.fillStyle = hex(colour);
                fillPixels(Math.min(x1, x2), Math.min(y1, y2), Math.abs(x2 - x1) + 1,
                           Math.abs(y2 - y1) + 1);
                return;
            }
            context.save();
            if (width <= 1)
                context.translate(0.5, 0.5);
            context.lineWidth = widthAtScale(width);
            context.lineCap = 'round';
            context.lineJoin = 'round';
            context.strokeStyle = hex(colour);
            context.beginPath();
            context.moveTo(x1, y1);
            context.lineTo(x2, y2);
            context.stroke();
            context.restore();
        },

        drawCircle(x, y, radius, width, outline, filled, fill) {
            context.beginPath();
            context.arc(x, y, radius, 0, 2 * Math.PI);
            if (filled) {
                context.fillStyle = hex(fill);
                context.fill();
            }
            context.lineWidth = widthAtScale(width);
            context.strokeStyle = hex(outline);
            context.stroke();
        },

        wrappedTextHeight(text, width, font) {
            const layout = textLayout(text, width, font);
            return layout.lines.length * layout.step;
        },

        // Opaque in the background colour, its text wrapped within its width.
        paintCaption(text, left, top, width, height, font, colour, centred, background) {
            context.fillStyle = hex(background);
            fillPixels(left, top, width, height);
            const { lines, widths, step } = textLayout(text, width, font);
            useFont(font);
            context.fillStyle = hex(colour);
            context.textBaseline = 'top';
            lines.forEach((line, i) => {
                context.fillText(line, centred ? left + (width - widths[i]) / 2 : left,
                                 top + i * step);
            });
        },
    };
})();
