// The page in its colour profiles: the projector's, chosen by the address, by C or by the
// system's wish for more contrast, and the system's own under forced colours; a change of them
// draws the finished picture anew from its record.

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';

import { launch, open, run, unmatchedShare } from './browser.mjs';

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

// A test that has not ended after a minute fails.
const check = (name, body) => test(name, { timeout: 60000 }, body);
const start = (page) => run(page, () => page.getByRole('button', { name: 'Start' }).click());

// The contrast of two colours, [red, green, blue], from their relative luminance (WCAG 2).
function contrast(...colours) {
    const [lighter, darker] = colours.map((colour) => colour.map((v) => v / 255)
        .map((c) => (c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4))
        .reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0))
        .sort((a, b) => b - a);
    return (lighter + 0.05) / (darker + 0.05);
}

// Where the parts of the first run's picture lie, a box each in pixels of the client area: the
// graph's axis, a dot of the path, the resultant's middle, the top of the chain of links, and the
// caption "Sum of vectors"; the background, where nothing is drawn.
const parts = { background: [600, 250, 1, 1], axis: [400, 515, 1, 1], dot: [312, 482, 9, 9],
                resultant: [370, 166, 7, 7], link: [340, 127, 40, 8],
                caption: [490, 128, 102, 18] };

// Each part's colour in a screenshot of the picture: of its pixels, the one that stands out most
// from the background.
async function partColours(page) {
    const shot = await page.locator('#picture').screenshot();
    const pixels = await page.evaluate(async ([png, parts]) => {
        const image = new Image();
        image.src = 'data:image/png;base64,' + png;
        await image.decode();
        const canvas = Object.assign(document.createElement('canvas'),
                                     { width: image.width, height: image.height });
        const context = canvas.getContext('2d');
        context.drawImage(image, 0, 0);
        return Object.fromEntries(Object.entries(parts).map(([name, box]) => {
            const data = context.getImageData(...box).data;
            return [name, Array.from({ length: data.length / 4 },
                                     (_, i) => Array.from(data.slice(4 * i, 4 * i + 3)))];
        }));
    }, [shot.toString('base64'), parts]);
    const background = pixels.background[0];
    return Object.fromEntries(Object.entries(pixels).map(([name, colours]) => [name,
        colours.reduce((best, c) => (contrast(c, background) > contrast(best, background)
                                     ? c : best))]));
}

// A CSS system colour, opaque, as the browser shows it now.
const systemColour = (page, name) => page.evaluate((name) => {
    const probe = Object.assign(document.createElement('span'), { hidden: true });
    Object.assign(probe.style, { color: name, forcedColorAdjust: 'none' });
    document.body.append(probe);
    const colour = getComputedStyle(probe).color.match(/[\d.]+/g).slice(0, 3).map(Number);
    probe.remove();
    return colour;
}, name);

// The picture's pixel at a point of the client area, once it is that colour.
const pictureTurns = (page, [x, y], colour) => page.waitForFunction(([x, y, colour]) => {
    const canvas = document.getElementById('picture');
    const scale = canvas.width / 800;
    const data = canvas.getContext('2d').getImageData(x * scale, y * scale, 1, 1).data;
    return colour.every((v, i) => data[i] === v);
}, [x, y, colour]);

const design = [192, 192, 192];

check('a finished run in the projector\'s colours, by the address and by the system\'s wish for more contrast, shows each line at 3 : 1 and each caption at 4.5 : 1', async (t) => {
    let projector;
    for (const [options, query] of [[{}, '?colours=projector'], [{ contrast: 'more' }, '']]) {
        const page = await open(browser, options, query);
        await start(page);
        const shown = await partColours(page);
        const against = (part, other = 'background') => contrast(shown[part], shown[other]);
        t.diagnostic(JSON.stringify(shown));
        t.diagnostic(['axis', 'dot', 'resultant', 'caption'].map((part) =>
            `${part} ${against(part).toFixed(2)}`).join(', ') +
            `, resultant to link ${against('resultant', 'link').toFixed(2)}`);
        for (const part of ['axis', 'dot', 'resultant', 'link'])
            assert.ok(against(part) >= 3, `${part} ${against(part)}`);
        assert.ok(against('resultant', 'link') >= 3 && against('caption') >= 4.5);
        const [red, green, blue] = shown.resultant;
        assert.ok(green > red && green > blue, 'the resultant is green');
        projector ??= shown;
        assert.deepEqual(shown, projector, options);
    }
});

check('under forced colours the picture takes the system\'s, Canvas, CanvasText and Highlight, drawn anew as they come and go while the page runs', async (t) => {
    const page = await open(browser);
    await start(page);
    for (const colorScheme of ['dark', 'light']) {
        await page.emulateMedia({ forcedColors: 'active', colorScheme });
        const [canvas, text, highlight] = await Promise.all(
            ['Canvas', 'CanvasText', 'Highlight'].map((name) => systemColour(page, name)));
        await pictureTurns(page, parts.background, canvas);
        const shown = await partColours(page);
        t.diagnostic(`${colorScheme}: ${JSON.stringify(shown)}, resultant ` +
                     contrast(shown.resultant, shown.background).toFixed(2));
        assert.deepEqual([shown.background, shown.axis, shown.caption, shown.resultant],
                         [canvas, text, text, highlight], colorScheme);
        assert.equal(await page.locator('#cmdStart').evaluate((e) =>
            getComputedStyle(e).outlineStyle), 'dotted');
    }
    await page.emulateMedia({ forcedColors: 'none', colorScheme: 'light' });
    await pictureTurns(page, parts.background, design);
    assert.ok(await unmatchedShare(page, 'far-grating-2') < 0.0005);
});

// The picture's pixels: in one number, and how many of them are the design's grey.
const picture = (page) => page.evaluate((grey) => {
    const canvas = document.getElementById('picture');
    const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
    let hash = 2166136261;
    let greys = 0;
    for (let i = 0; i < data.length; i += 4) {
        for (let j = i; j < i + 4; ++j)
            hash = Math.imul(hash ^ data[j], 16777619) >>> 0;
        greys += data[i] === grey[0] && data[i + 1] === grey[1] && data[i + 2] === grey[2];
    }
    return { hash, greys, pixels: data.length / 4 };
}, design);

check('C after a run draws the picture a run in the projector\'s colours draws, none of the design\'s grey left, and C again the design\'s as it was, at 100 % and at ?zoom=fit', async () => {
    for (const [viewport, query] of [[{ width: 820, height: 640 }, '?speed=1'],
                                     [{ width: 1920, height: 1080 }, '?zoom=fit']]) {
        const projector = await open(browser, { viewport }, query + '&colours=projector');
        await start(projector);
        const page = await open(browser, { viewport }, query);
        await start(page);
        const designed = await picture(page);
        await page.keyboard.press('c');
        await pictureTurns(page, parts.background, [255, 255, 255]);
        const shown = await picture(page);
        assert.equal(shown.hash, (await picture(projector)).hash, query);
        // Where a line's edge blends into white, a pixel may happen to be that grey.
        assert.ok(designed.greys > shown.pixels / 2 && shown.greys < shown.pixels / 2000,
                  JSON.stringify(shown));
        await page.keyboard.press('C');
        await pictureTurns(page, parts.background, design);
        assert.deepEqual(await picture(page), designed, query);
    }
});

check('?colours=design draws the design\'s picture', async () => {
    const page = await open(browser, {}, '?colours=design');
    await start(page);
    assert.ok(await unmatchedShare(page, 'far-grating-2') < 0.0005);
});
