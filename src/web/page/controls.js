// The window's controls as HTML controls, made from the design the program hands over: frames
// as fieldsets, option buttons as radio buttons, Start and Exit as buttons, the hidden settings
// fields as hidden inputs and the speed bar as a slider. Their events go to the program, or wait
// for the run's end.
var Controls = (function () {
    'use strict';

    const byId = PageDom.byId;
    const hex = PageDom.hex;
    const place = PageDom.place;
    const frameBorder = 2; // a frame's line, inside its rectangle

    const fonts = [];
    const controls = []; // by their index in the design

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

        addFont(font) {
            fonts.push({ families: '"' + font.face + '", "' + font.standIn + '", ' +
                                   (font.serif ? 'serif' : 'sans-serif'),
                         pointSize: font.pointSize, bold: font.bold });
        },

        // A control of the design (web/Page.h), by its index in the design.
        add(design) {
            const container = design.container;
            const control = { index: design.index, name: design.name, kind: design.kind,
                              container, tabIndex: design.tabIndex, height: design.place.height,
                              input: null, element: null };
            controls[control.index] = control;
            const make = makers[control.kind];
            if (!make)
                return; // a caption, painted on the picture
            const element = make(control, design.caption);
            element.id = control.name;
            element.hidden = element.hidden || !design.visible;
            element.style.font = cssFont(design.font);
            if (control.kind === 'frame')
                element.querySelector('legend').style.font = cssFont(design.font);
            const parent = container ? byId(container) : byId('client');
            let left = design.place.left;
            let top = design.place.top;
            if (container) { // within its frame, inside the frame's line
                const frame = controls.find((c) => c && c.name === container);
                left -= frame.left + frameBorder;
                top -= frame.top + frameBorder;
                element.style.font = cssFont(0);
            }
            place(element, left, top, design.place.width, design.place.height);
            Object.assign(control, { element, left, top });
            parent.append(element);
        },

        // Puts the controls in their tab order, gives the speed bar its range and the program's
        // numbers for its moves, and the focus to Start.
        finish(speedBar) {
            putInTabOrder();
            SpeedBar.setRange(speedBar.minimum, speedBar.maximum, speedBar.moves);
            byId('cmdStart').focus();
            performance.mark('kymora-window-shown');
        },

        // The window's colours (web/Page.h), which the page's rules take as custom properties
        // (shell.html), and a control's text and face.
        setColours(colours) {
            for (const name of ['background', 'text', 'focus', 'edgeShadow', 'edgeLight'])
                document.documentElement.style.setProperty('--' + name, hex(colours[name]));
            document.documentElement.classList.toggle('own-marks', colours.ownMarks);
        },
        colour(index, text, face) {
            const element = controls[index].element;
            if (!element)
                return; // a caption, painted on the picture
            element.style.color = hex(text);
            element.style.setProperty('--face', hex(face));
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
