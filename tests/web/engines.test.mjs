// The page in Firefox and in WebKit, briefly: it loads with no error, takes the touch layout on
// a narrow screen under a finger, and runs two combinations with the right words and the
// resultant where the design puts it.

import { test } from 'node:test';
import assert from 'node:assert/strict';

import { engines, pageUrl, ready, run } from './engines.mjs';

// Whether the canvas is green within three pixels of a point of the client area; at a small
// scale the line is paler than its colour.
function greenNear(x, y) {
    const canvas = document.getElementById('picture');
    const scale = canvas.width / 800;
    const data = canvas.getContext('2d').getImageData(Math.floor((x - 3) * scale),
        Math.floor((y - 3) * scale), Math.ceil(7 * scale), Math.ceil(7 * scale)).data;
    for (let i = 0; i < data.length; i += 4)
        if (data[i + 1] > data[i] + 60 && data[i + 1] > data[i + 2] + 60)
            return true;
    return false;
}

for (const [key, launch] of Object.entries(engines))
    test(`${key}: touch layout, two runs, no error`, { timeout: 120000 }, async (t) => {
        const engine = await launch();
        t.diagnostic(engine.name);
        try {
            await engine.open(pageUrl, 390, 844);
            await ready(engine);
            const start = await engine.evaluate(() => ({
                touch: document.body.classList.contains('touch'),
                box: document.getElementById('cmdStart').getBoundingClientRect().toJSON() }));
            assert.ok(start.touch && start.box.width >= 44 && start.box.height >= 44,
                      JSON.stringify(start));

            assert.equal(await run(engine), 'Mirror: Grating. Frequency: 2. Detector position: ' +
                                            'Far. The detector is lit. The resultant is 165.1 long.');
            // Halfway along the resultant, from (450, 200) to (296.6, 138.8).
            assert.ok(await engine.evaluate(greenNear, 373.3, 169.4));
            for (const option of ['opBlízko', 'opNe', 'op1'])
                await engine.click(option);
            assert.equal(await run(engine), 'Mirror: Ordinary. Frequency: 1. Detector position: ' +
                                            'Near. The detector is dark. The resultant is 31.5 long.');
            // From (620, 200) to (588.6, 202.6).
            assert.ok(await engine.evaluate(greenNear, 604.3, 201.3));
            assert.deepEqual(engine.errors, []);
        } finally {
            await engine.close();
        }
    });
