// The window's controls as HTML controls, made from the design the program hands over: frames
// as fieldsets, option buttons as radio buttons, Start and Exit as buttons, the hidden settings
// fields as hidden inputs and the speed bar as a slider. Their events go to the program, or wait
// for the run's end.
var Controls = (function () {
    'use strict';

    const byId = PageDom.byId;
    const hex = PageDom.hex;
    const place = PageDom.place;
    const kinds = ['scrollBar', 'settingsField', 'frame', 'option', 'command', 'caption'];
    const frameBorder = 2; // a frame's line, inside its rectangle

    const fonts = [];
    const controls = []; // by index in the design

    function cssFont(index) {
        const font = fonts[index];
        return (font.bold ? 'bold ' : '') + font.pointSize + 'pt ' + font.families;
    }

    // A click on a control goes to the program, or, held, is made again after the run.
    function clickedBy(control, element) {
        element.addEventListener('click', (event) => HeldInput.act(
            event, () => Module._kymora_clicked(control.index), () => element.click()));
    }

    function makeSettingsField(control, caption) {
        return Object.assign(document.createElement('input'),
                             { type: 'text', hidden: true, value: caption });
    }

    function makeFrame(control, caption) {
        const frame = Object.assign(document.createElement('fieldset'), { className: 'frame' });
        frame.append(Object.assign(document.createElement('legend'), { textContent: caption }));
        return frame;
    }

    function makeOption(control, caption) {
        const label = Object.assign(document.createElement('label'), { className: 'option' });
        const input = Object.assign(document.createElement('input'),
                                    { type: 'radio', name: control.container, tabIndex: 0 });
        label.append(input, caption);
        clickedBy(control, input);
        control.input = input;
        return label;
    }

    function makeCommand(control, caption) {
        const button = Object.assign(document.createElement('button'),
                                     { type: 'button', className: 'command',
                                       textContent: caption });
        clickedBy(control, button);
        return button;
    }

    const makers = {
        settingsField: makeSettingsField, frame: makeFrame, option: makeOption,
        command: makeCommand, scrollBar: SpeedBar.make,
    };

    // The controls in the order of their tab indexes, a frame where its first option is.
    function putInTabOrder() {
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
    }

    return {
        cssFont,

        addFont(index, face, standIn, serif, pointSize, bold) {
            fonts[index] = {
                families: '"' + face + '", "' + standIn + '", ' + (serif ? 'serif' : 'sans-serif'),
                pointSize: pointSize, bold: bold !== 0,
            };
        },

        add(index, name, kind, container, caption, left, top, width, height, font, colour,
            visible, tabIndex) {
            const control = { index, name, kind: kinds[kind], container, tabIndex, height,
                              input: null, element: null };
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
            Object.assign(control, { element, left, top });
            parent.append(element);
        },

        // Puts the controls in their tab order, gives the speed bar its range, and the focus to
        // Start.
        finish(minimum, maximum, moves) {
            putInTabOrder();
            SpeedBar.setRange(minimum, maximum, moves);
            byId('cmdStart').focus();
            performance.mark('kymora-window-shown');
        },

        fieldText: (index) => controls[index].element.value,
        setFieldText(index, text) {
            controls[index].element.value = text;
        },
        check(index) {
            controls[index].input.checked = true;
        },
    };
})();
