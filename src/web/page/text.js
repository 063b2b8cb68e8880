// Measuring text: a caption's lines, wrapped at spaces within its width in a font of the design,
// their widths and their height, in pixels of the client area. Each text, width and font is
// measured once: a run paints its captions again at each move, and measuring text is slow in
// some engines.
var TextLayout = (function () {
    'use strict';

    const context = document.createElement('canvas').getContext('2d');
    const layouts = new Map();
    let fontSet = null; // the design's font the context has

    function useFont(font) {
        if (font !== fontSet)
            context.font = Controls.cssFont(font);
        fontSet = font;
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

    function of(text, width, font) {
        const key = font + ' ' + width + ' ' + text;
        let layout = layouts.get(key);
        if (!layout) {
            useFont(font);
            const lines = wrap(text, width);
            layout = { lines, widths: lines.map((line) => context.measureText(line).width),
                       step: lineHeight() };
            layouts.set(key, layout);
        }
        return layout;
    }

    return {
        // { lines, widths, step }: step is the height of a line.
        of,
        height(text, width, font) {
            const layout = of(text, width, font);
            return layout.lines.length * layout.step;
        },
    };
})();
