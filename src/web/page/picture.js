// The picture: one canvas over the client area at the device's pixel ratio, made anew when the
// ratio or the picture's size changes (a zoom, another screen, a rotation) or after the browser
// dropped it; the program then draws it again. The program paints it in the canvas's own pixels
// (web/CanvasSurface.cpp), and its captions' text in pixels of the client area.
var Picture = (function () {
    'use strict';

    const hex = PageDom.hex;
    let client = null; // the client area's size
    let canvas = null;
    let context = null;
    let scale = 1; // the canvas's pixels to a pixel of the client area
    let fontSet = null; // the design's font the context has

    // In the touch layout the picture fills the width: its pixels are the device's there too.
    function wantedScale() {
        const ratio = window.devicePixelRatio || 1;
        return Touch.on() ? ratio * canvas.clientWidth / client.width
                          : ratio * Math.max(1, Zoom.factor());
    }

    function makeCanvas() {
        const ratio = window.devicePixelRatio || 1;
        scale = wantedScale();
        canvas.width = Math.round(client.width * scale);
        canvas.height = Math.round(client.height * scale);
        context = canvas.getContext('2d', { alpha: false, willReadFrequently: true });
        fontSet = null;
        matchMedia('(resolution: ' + ratio + 'dppx)').addEventListener('change', drawAnew,
                                                                         { once: true });
    }

    function drawAnew() {
        if (wantedScale() === scale && !(canvas.isContextLost && canvas.isContextLost()))
            return;
        makeCanvas();
        Module._kymora_canvas_made_anew();
    }

    function useFont(font) {
        if (font !== fontSet)
            context.font = Controls.cssFont(font);
        fontSet = font;
    }

    return {
        // The canvas, made at the client area's size.
        make(size) {
            client = size;
            canvas = PageDom.byId('picture');
            makeCanvas();
            canvas.addEventListener('contextrestored', drawAnew);
        },
        // Made anew where its pixels changed, after the layout changed.
        refresh: drawAnew,

        scale: () => scale,

        // The label screen readers give the picture.
        describe(text) {
            canvas.setAttribute('aria-label', text);
        },

        clear(colour) {
            context.fillStyle = hex(colour);
            context.fillRect(0, 0, canvas.width, canvas.height);
        },

        fill(area, colour) {
            context.fillStyle = hex(colour);
            context.fillRect(area.left, area.top, area.width, area.height);
        },

        // A line at its width with round ends.
        line(x1, y1, x2, y2, width, colour) {
            context.save();
            context.lineWidth = width;
            context.lineCap = 'round';
            context.lineJoin = 'round';
            context.strokeStyle = hex(colour);
            context.beginPath();
            context.moveTo(x1, y1);
            context.lineTo(x2, y2);
            context.stroke();
            context.restore();
        },

        circle(x, y, radius, width, outline, filled, fill) {
            context.beginPath();
            context.arc(x, y, radius, 0, 2 * Math.PI);
            if (filled) {
                context.fillStyle = hex(fill);
                context.fill();
            }
            context.lineWidth = width;
            context.strokeStyle = hex(outline);
            context.stroke();
        },

        // A caption's text, wrapped within the width of its area of the client area.
        text(text, area, font, colour, centred) {
            const layout = TextLayout.of(text, area.width, font);
            context.setTransform(scale, 0, 0, scale, 0, 0);
            useFont(font);
            context.fillStyle = hex(colour);
            context.textBaseline = 'top';
            layout.lines.forEach((line, i) => {
                const left = centred ? area.left + (area.width - layout.widths[i]) / 2 : area.left;
                context.fillText(line, left, area.top + i * layout.step);
            });
            context.setTransform(1, 0, 0, 1, 0, 0);
        },
    };
})();
