// The window's client area: its size from the design, fitted to the width of a narrow screen,
// and the picture on one canvas at the device's pixel ratio, made anew when the ratio changes
// (a zoom, another screen) or after the browser dropped it; the program then draws it again.
var Picture = (function () {
    'use strict';

    const byId = PageDom.byId;
    const hex = PageDom.hex;
    const client = { width: 0, height: 0 };
    let canvas = null;
    let context = null;
    let ratio = 1;

    function makeCanvas() {
        ratio = window.devicePixelRatio || 1;
        canvas.width = Math.round(client.width * ratio);
        canvas.height = Math.round(client.height * ratio);
        context = canvas.getContext('2d', { alpha: false });
        context.setTransform(ratio, 0, 0, ratio, 0, 0);
        matchMedia('(resolution: ' + ratio + 'dppx)').addEventListener('change', drawAnew,
                                                                         { once: true });
    }

    function drawAnew() {
        if ((window.devicePixelRatio || 1) === ratio && !(canvas.isContextLost && canvas.isContextLost()))
            return;
        makeCanvas();
        Module._kymora_canvas_made_anew();
    }

    // The window fits the width of a narrow screen, scaled down.
    function fitToScreen() {
        const scale = Math.min(1, document.documentElement.clientWidth / client.width);
        const area = byId('client');
        area.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
        area.style.transformOrigin = '0 0';
        const wrapper = byId('window');
        wrapper.style.width = client.width * scale + 'px';
        wrapper.style.height = client.height * scale + 'px';
        wrapper.style.overflow = 'hidden';
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

    function lineHeight() {
        const metrics = context.measureText('Mg');
        return Math.ceil(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
    }

    return {
        // The client area's size, in CSS pixels; the canvas is made at it.
        setClientSize(width, height) {
            Object.assign(client, { width, height });
            for (const id of ['client', 'picture'])
                Object.assign(byId(id).style, { width: width + 'px', height: height + 'px' });
            canvas = byId('picture');
            makeCanvas();
            canvas.addEventListener('contextrestored', drawAnew);
            fitToScreen();
            window.addEventListener('resize', () => {
                fitToScreen();
                drawAnew();
            });
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
                context.fillRect(Math.min(x1, x2), Math.min(y1, y2), Math.abs(x2 - x1) + 1,
                                 Math.abs(y2 - y1) + 1);
                return;
            }
            context.save();
            if (width <= 1)
                context.translate(0.5, 0.5);
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

        drawCircle(x, y, radius, width, outline, filled, fill) {
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

        wrappedTextHeight(text, width, font) {
            context.font = Controls.cssFont(font);
            return wrap(text, width).length * lineHeight();
        },

        // Opaque in the background colour, its text wrapped within its width.
        paintCaption(text, left, top, width, height, font, colour, centred, background) {
            context.fillStyle = hex(background);
            context.fillRect(left, top, width, height);
            context.font = Controls.cssFont(font);
            context.fillStyle = hex(colour);
            context.textBaseline = 'top';
            const step = lineHeight();
            wrap(text, width).forEach((line, i) => {
                const x = centred ? left + (width - context.measureText(line).width) / 2 : left;
                context.fillText(line, x, top + i * step);
            });
        },
    };
})();
