// Kymora's page: the window's controls as HTML controls, made from the design the program hands
// over; the picture on one canvas at the device's pixel ratio; and the way the controls' events
// reach the program. Input made during a run is held and handed over, in order, once the run
// is over.
var Page = (function () {
    'use strict';

    const kinds = ['scrollBar', 'settingsField', 'frame', 'option', 'command', 'caption'];
    const clientWidth = 800;
    const clientHeight = 585;
    const frameBorder = 2; // a frame's line, inside its rectangle
    const thumbWidth = 17;

    const fonts = [];
    const controls = []; // by index in the design
    const held = [];     // what came during a run, to be done after it
    let running = false;
    let doingWhatWasHeld = false;
    let canvas = null;
    let context = null;
    let ratio = 1;
    const speed = { value: 1, minimum: 1, maximum: 20, moves: null, element: null, track: null,
                    thumb: null };

    const byId = (id) => document.getElementById(id);
    const hex = (colour) => '#' + colour.toString(16).padStart(6, '0');

    function cssFont(index) {
        const font = fonts[index];
        return (font.bold ? 'bold ' : '') + font.pointSize + 'pt ' + font.families;
    }

    // Something that acts on a control: done now, or, during a run and until what was held
    // before it is done, held; then done later, by then.
    function act(event, now, later) {
        if (!running && (held.length === 0 || doingWhatWasHeld))
            return now();
        if (event)
            event.preventDefault();
        held.push(later || now);
    }

    function doWhatWasHeld() {
        doingWhatWasHeld = true;
        while (held.length > 0 && !running)
            held.shift()();
        doingWhatWasHeld = false;
    }

    function place(element, left, top, width, height) {
        Object.assign(element.style, {
            left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px',
        });
    }

    function makeSettingsField(control, caption) {
        const field = document.createElement('input');
        field.type = 'text';
        field.hidden = true;
        field.value = caption;
        return field;
    }

    function makeFrame(control, caption) {
        const frame = document.createElement('fieldset');
        frame.className = 'frame';
        const legend = document.createElement('legend');
        legend.textContent = caption;
        frame.append(legend);
        return frame;
    }

    function makeOption(control, caption) {
        const label = document.createElement('label');
        label.className = 'option';
        const input = document.createElement('input');
        input.type = 'radio';
        input.name = control.container;
        input.tabIndex = 0;
        label.append(input, caption);
        input.addEventListener('click', (event) =>
            act(event, () => Module._kymora_clicked(control.index), () => input.click()));
        control.input = input;
        return label;
    }

    function makeCommand(control, caption) {
        const button = document.createElement('button');
        button.type = 'button';
        button.className = 'command';
        button.textContent = caption;
        button.addEventListener('click', (event) =>
            act(event, () => Module._kymora_clicked(control.index), () => button.click()));
        return button;
    }

    // The speed bar: arrows at both ends and a thumb on a track, from minimum to maximum.
    function makeSpeedBar(control) {
        const bar = document.createElement('div');
        bar.className = 'speed';
        bar.tabIndex = 0;
        bar.setAttribute('role', 'slider');
        bar.setAttribute('aria-orientation', 'horizontal');
        bar.setAttribute('aria-label', 'Animation speed');
        const left = document.createElement('div');
        const track = document.createElement('div');
        const thumb = document.createElement('div');
        const right = document.createElement('div');
        left.className = 'arrow left';
        right.className = 'arrow right';
        track.className = 'track';
        thumb.className = 'thumb';
        track.append(thumb);
        bar.append(left, track, right);
        for (const arrow of [left, right]) {
            arrow.style.width = control.height + 'px';
            arrow.addEventListener('pointerdown', (event) =>
                act(event, () => moveSpeedBar(arrow === left ? 'stepDown' : 'stepUp')));
        }
        track.addEventListener('pointerdown', (event) => {
            if (event.target !== track)
                return;
            const move = event.offsetX < thumb.offsetLeft ? 'stepDown' : 'stepUp';
            act(event, () => moveSpeedBar(move));
        });
        dragThumb(thumb, track);
        bar.addEventListener('keydown', (event) => {
            const moves = { ArrowLeft: 'stepDown', ArrowUp: 'stepDown', PageUp: 'stepDown',
                            ArrowRight: 'stepUp', ArrowDown: 'stepUp', PageDown: 'stepUp',
                            Home: 'toMinimum', End: 'toMaximum' };
            if (!(event.key in moves))
                return;
            event.preventDefault();
            act(null, () => moveSpeedBar(moves[event.key]));
        });
        Object.assign(speed, { element: bar, track: track, thumb: thumb });
        return bar;
    }

    // A drag of the thumb moves it with the pointer; the value is set once, when it is let go.
    function dragThumb(thumb, track) {
        let dragging = false;
        const valueAt = (event) => {
            const box = track.getBoundingClientRect();
            const scale = box.width / track.offsetWidth || 1;
            const x = (event.clientX - box.left) / scale - thumbWidth / 2;
            const span = track.offsetWidth - thumbWidth;
            const share = Math.min(1, Math.max(0, x / span));
            return speed.minimum + Math.round(share * (speed.maximum - speed.minimum));
        };
        thumb.addEventListener('pointerdown', (event) => {
            dragging = true;
            thumb.setPointerCapture(event.pointerId);
            event.preventDefault();
        });
        thumb.addEventListener('pointermove', (event) => {
            if (dragging)
                showThumbAt(valueAt(event));
        });
        thumb.addEventListener('pointerup', (event) => {
            if (!dragging)
                return;
            dragging = false;
            const value = valueAt(event);
            showThumbAt(speed.value);
            act(null, () => moveSpeedBar('thumbTo', value));
        });
    }

    function showThumbAt(value) {
        const span = speed.track.offsetWidth - thumbWidth;
        const share = (value - speed.minimum) / (speed.maximum - speed.minimum);
        speed.thumb.style.left = Math.round(share * span) + 'px';
        speed.thumb.style.width = thumbWidth + 'px';
    }

    // The program moves the bar by its rule, and sets its value.
    function moveSpeedBar(move, thumbAt) {
        Module._kymora_speed_bar_moved(speed.moves[move], thumbAt || 0);
    }

    const makers = {
        settingsField: makeSettingsField, frame: makeFrame, option: makeOption,
        command: makeCommand, scrollBar: makeSpeedBar,
    };

    // The canvas at the device's pixel ratio, made anew when the ratio changes (a zoom, another
    // screen) or after the browser dropped it; the program then draws its picture again.
    function makeCanvas() {
        ratio = window.devicePixelRatio || 1;
        canvas.width = Math.round(clientWidth * ratio);
        canvas.height = Math.round(clientHeight * ratio);
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
        const scale = Math.min(1, document.documentElement.clientWidth / clientWidth);
        const client = byId('client');
        client.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
        client.style.transformOrigin = '0 0';
        const wrapper = byId('window');
        wrapper.style.width = clientWidth * scale + 'px';
        wrapper.style.height = clientHeight * scale + 'px';
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

    // The page as the program finds it: its canvas ready, the window fitted to the screen.
    canvas = byId('picture');
    makeCanvas();
    canvas.addEventListener('contextrestored', drawAnew);
    fitToScreen();
    window.addEventListener('resize', () => {
        fitToScreen();
        if ((window.devicePixelRatio || 1) !== ratio)
            drawAnew();
    });
    byId('again').addEventListener('click', () => location.reload());

    return {
        setTitle(title) {
            document.title = title;
        },

        addFont(index, face, standIn, serif, pointSize, bold) {
            fonts[index] = {
                families: '"' + face + '", "' + standIn + '", ' + (serif ? 'serif' : 'sans-serif'),
                pointSize: pointSize, bold: bold !== 0,
            };
        },

        addControl(index, name, kind, container, caption, left, top, width, height, font,
                   colour, visible, tabIndex) {
            const control = { index: index, name: name, kind: kinds[kind], container: container,
                              tabIndex: tabIndex, height: height, input: null, element: null };
            controls[index] = control;
            const make = makers[control.kind];
            if (!make)
                return; // a caption, painted on the picture
            const element = make(control, caption);
            element.id = name;
            element.hidden = element.hidden || !visible;
            element.style.font = cssFont(font);
            element.style.color = hex(colour);
            if (control.kind === 'frame')
                element.querySelector('legend').style.font = cssFont(font);
            const parent = container ? byId(container) : byId('client');
            if (container) { // within its frame, inside the frame's line
                const frame = controls.find((c) => c && c.name === container);
                left -= frame.left + frameBorder;
                top -= frame.top + frameBorder;
                element.style.font = cssFont(0);
            }
            place(element, left, top, width, height);
            Object.assign(control, { element: element, left: left, top: top });
            parent.append(element);
        },

        // The controls in the order of their tab indexes, a frame where its first option is;
        // the focus on Start. The speed bar's range, and the program's numbers for its moves.
        finishControls(minimum, maximum, moves) {
            Object.assign(speed, { minimum: minimum, maximum: maximum, value: minimum,
                                   moves: moves });
            speed.element.setAttribute('aria-valuemin', String(minimum));
            speed.element.setAttribute('aria-valuemax', String(maximum));
            speed.element.setAttribute('aria-valuenow', String(minimum));
            const order = (control) => {
                if (control.kind !== 'frame')
                    return control.tabIndex;
                const inside = controls.filter((c) => c.container === control.name);
                return Math.min(...inside.map((c) => c.tabIndex));
            };
            const shown = controls.filter((c) => c.element && !c.container);
            shown.sort((a, b) => order(a) - order(b));
            for (const control of shown)
                byId('client').append(control.element);
            for (const frame of shown.filter((c) => c.kind === 'frame')) {
                const options = controls.filter((c) => c.container === frame.name);
                options.sort((a, b) => a.tabIndex - b.tabIndex);
                for (const option of options)
                    frame.element.append(option.element);
            }
            showThumbAt(minimum);
            byId('cmdStart').focus();
            performance.mark('kymora-window-shown');
        },

        fieldText(index) {
            return controls[index].element.value;
        },
        setFieldText(index, text) {
            controls[index].element.value = text;
        },
        check(index) {
            controls[index].input.checked = true;
        },
        speedBarValue() {
            return speed.value;
        },
        setSpeedBarValue(value) {
            speed.value = value;
            speed.element.setAttribute('aria-valuenow', String(value));
            showThumbAt(value);
        },

        // The settings in the page's address, name and value, in order.
        addressSettings() {
            return [...new URLSearchParams(location.search)];
        },
        // What is wrong with the address's set-up; the page opens with the defaults.
        refuseAddressSettings(why) {
            console.error('Kymora: ' + why);
        },

        clearPicture(background) {
            context.fillStyle = hex(background);
            context.fillRect(0, 0, clientWidth, clientHeight);
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
            context.font = cssFont(font);
            return wrap(text, width).length * lineHeight();
        },

        // Opaque in the background colour, its text wrapped within its width.
        paintCaption(text, left, top, width, height, font, colour, centred, background) {
            context.fillStyle = hex(background);
            context.fillRect(left, top, width, height);
            context.font = cssFont(font);
            context.fillStyle = hex(colour);
            context.textBaseline = 'top';
            const step = lineHeight();
            wrap(text, width).forEach((line, i) => {
                const x = centred ? left + (width - context.measureText(line).width) / 2 : left;
                context.fillText(line, x, top + i * step);
            });
        },

        holdInput() {
            running = true;
        },

        // The run is over: what was held is done, after the program has returned.
        resumeInput() {
            running = false;
            setTimeout(doWhatWasHeld, 0);
        },

        // What the run showed, for screen readers: the live region, and the picture's label.
        announce(description) {
            byId('summary').textContent = description;
            canvas.setAttribute('aria-label', description);
        },

        showError(title, message) {
            held.length = 0;
            byId('error-title').textContent = title;
            byId('error-message').textContent = message;
            const dialog = byId('error');
            return new Promise((resolve) => {
                dialog.addEventListener('close', resolve, { once: true });
                dialog.showModal();
            });
        },

        endProgram() {
            held.length = 0;
            running = true; // nothing reaches the program any more
            byId('window').hidden = true;
            byId('ended').hidden = false;
            byId('again').focus();
        },
    };
})();
