// The speed bar: arrows at both ends and a thumb on a track, from its minimum to its maximum.
// Each arrow, click on the track and key asks the program for a move, which it makes by its one
// rule; a drag moves the thumb with the pointer and asks once, when it is let go.
var SpeedBar = (function () {
    'use strict';

    const bar = { value: 1, minimum: 1, maximum: 20, moves: null, element: null, track: null,
                  thumb: null };

    function move(name, thumbAt) {
        Module._kymora_speed_bar_moved(bar.moves[name], thumbAt || 0);
    }

    // The thumb's width is the layout's.
    function showThumbAt(value) {
        const span = bar.track.offsetWidth - bar.thumb.offsetWidth;
        const share = (value - bar.minimum) / (bar.maximum - bar.minimum);
        bar.thumb.style.left = Math.round(share * span) + 'px';
    }

    function dragThumb(thumb, track) {
        let dragging = false;
        const valueAt = (event) => {
            const box = track.getBoundingClientRect();
            const scale = box.width / track.offsetWidth || 1;
            const x = (event.clientX - box.left) / scale - thumb.offsetWidth / 2;
            const span = track.offsetWidth - thumb.offsetWidth;
            const share = Math.min(1, Math.max(0, x / span));
            return bar.minimum + Math.round(share * (bar.maximum - bar.minimum));
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
            showThumbAt(bar.value);
            HeldInput.act(null, () => move('thumbTo', value));
        });
    }

    const keyMoves = { ArrowLeft: 'stepDown', ArrowUp: 'stepDown', PageUp: 'stepDown',
                       ArrowRight: 'stepUp', ArrowDown: 'stepUp', PageDown: 'stepUp',
                       Home: 'toMinimum', End: 'toMaximum' };

    return {
        make(control) {
            const element = document.createElement('div');
            element.className = 'speed';
            element.tabIndex = 0;
            element.setAttribute('role', 'slider');
            element.setAttribute('aria-orientation', 'horizontal');
            element.setAttribute('aria-label', PageDom.words.speedBar);
            const [left, track, thumb, right] = ['arrow left', 'track', 'thumb', 'arrow right']
                .map((name) => Object.assign(document.createElement('div'), { className: name }));
            track.append(thumb);
            element.append(left, track, right);
            for (const arrow of [left, right]) {
                arrow.style.width = control.height + 'px';
                arrow.addEventListener('pointerdown', (event) => HeldInput.act(event, () =>
                    move(arrow === left ? 'stepDown' : 'stepUp')));
            }
            track.addEventListener('pointerdown', (event) => {
                if (event.target !== track)
                    return;
                const name = event.offsetX < thumb.offsetLeft ? 'stepDown' : 'stepUp';
                HeldInput.act(event, () => move(name));
            });
            dragThumb(thumb, track);
            element.addEventListener('keydown', (event) => {
                if (!(event.key in keyMoves))
                    return;
                event.preventDefault();
                HeldInput.act(null, () => move(keyMoves[event.key]));
            });
            Object.assign(bar, { element, track, thumb });
            return element;
        },

        // Its range, and the program's numbers for its moves.
        setRange(minimum, maximum, moves) {
            Object.assign(bar, { minimum, maximum, moves });
            bar.element.setAttribute('aria-valuemin', String(minimum));
            bar.element.setAttribute('aria-valuemax', String(maximum));
            this.setValue(minimum);
        },

        value: () => bar.value,
        // The thumb where the value stands, after the layout changed.
        refresh() {
            if (bar.element)
                showThumbAt(bar.value);
        },
        setValue(value) {
            bar.value = value;
            bar.element.setAttribute('aria-valuenow', String(value));
            showThumbAt(value);
        },
    };
})();
