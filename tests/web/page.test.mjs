// The web page in a real browser, driven by role and name as a person would drive it.

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';

import { axeViolations, design, fields, launch, launchWithProfile, open, pageUrl, phone, run, serve,
         unmatchedShare } from './browser.mjs';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

// A test that has not ended after a minute fails.
const check = (name, body) => test(name, { timeout: 60000 }, body);

const fieldsAfterLoad = '0 1 2 2';
const option = (page, caption) => page.getByRole('radio', { name: caption, exact: true });
const speedBar = (page) => page.getByRole('slider', { name: 'Animation speed' });

check('the 28 controls stand at their places in their fonts, the hidden ones hidden', async () => {
    const page = await open(browser);
    assert.equal(await page.title(), 'Kymora - https://example.org/kymora');
    const client = await page.locator('#client').boundingBox();
    for (const control of design().filter((c) => c.kind !== 'caption')) {
        const element = page.locator(`[id="${control.name}"]`);
        assert.equal(await element.isVisible(), control.shown, control.name);
        if (!control.shown)
            continue;
        const box = await element.boundingBox();
        const place = control.place;
        for (const [got, wanted] of [[box.x - client.x, place.left], [box.y - client.y, place.top],
                                     [box.width, place.width], [box.height, place.height]])
            assert.ok(Math.abs(got - wanted) <= 1, `${control.name}: ${got} for ${wanted}`);
        const font = await element.evaluate((e) => [getComputedStyle(e).fontSize,
                                                    getComputedStyle(e).fontWeight]);
        assert.deepEqual(font, [`${control.font.pointSize * 4 / 3}px`,
                                control.font.bold ? '700' : '400'], control.name);
    }
    assert.equal(await fields(page), fieldsAfterLoad);
});

check('Tab visits the selected options in tab order; the arrow keys move within a group and the speed bar by one', async () => {
    const page = await open(browser);
    const order = [];
    for (let i = 0; i < 5; ++i) {
        await page.keyboard.press('Tab');
        order.push(await page.evaluate(() =>
            document.activeElement.closest('[id]').id));
    }
    assert.deepEqual(order, ['op2', 'opAno', 'cndKonec', 'opDaleko', 'HScroll1']);
    await page.keyboard.press('ArrowRight');
    assert.equal(await speedBar(page).getAttribute('aria-valuenow'), '2');
    await page.keyboard.press('End');
    await page.keyboard.press('ArrowRight');
    assert.equal(await speedBar(page).getAttribute('aria-valuenow'), '20');
    assert.equal(await fields(page), '0 20 2 2');
    await page.keyboard.press('Home');
    await option(page, 'Grating').focus();
    await page.keyboard.press('ArrowDown');
    assert.ok(await option(page, 'Ordinary').isChecked());
    assert.equal(await fields(page), '0 1 1 2');
    await page.keyboard.press('ArrowUp');
    assert.equal(await fields(page), fieldsAfterLoad);
});

check('a link chooses the set-up, as clicks would; a wrong one is said in the console', async () => {
    const page = await open(browser, {}, '?detector=near&mirror=ordinary&frequency=1&speed=7');
    assert.equal(await fields(page), '170 7 1 1');
    assert.ok(await option(page, 'Near').isChecked() && await option(page, '1').isChecked());
    assert.equal(await speedBar(page).getAttribute('aria-valuenow'), '7');
    for (const [query, error] of [
        ['?detector=near&speed=fast', 'bad value "fast" for speed: use 1 to 20'],
        ['?detector=near&colours=grey',
         'bad value "grey" for colours: use design, projector or high-contrast']]) {
        const wrong = await open(browser, {}, query);
        assert.equal(await fields(wrong), fieldsAfterLoad);
        assert.deepEqual(wrong.errors, ['Kymora: ' + error]);
    }
});

check('Czech through ?lang=cs and through the browser\'s language; ?lang=en brings English back', async () => {
    const czech = 'Zrcadlo: Mřížka. Kmitočet: 2. Poloha detektoru: Daleko. Detektor je osvětlen. ' +
                  'Výslednice je dlouhá 165,1.';
    for (const [options, query] of [[{}, '?lang=cs'], [{ locale: 'cs-CZ' }, '']]) {
        const page = await open(browser, options, query);
        assert.equal(await page.evaluate(() => document.documentElement.lang), 'cs');
        assert.ok(await option(page, 'Mřížka').isChecked());
        assert.equal(await run(page, () => page.keyboard.press('Enter')), czech);
    }
    const english = await open(browser, { locale: 'cs-CZ' }, '?lang=en');
    assert.ok(await option(english, 'Grating').isChecked());
});

// The room each shown option's, push button's and frame's caption has to spare across its box, as
// the page renders its text: an option's must end inside its label, a button's lie on one line
// inside its padding box, a frame's legend, with the gap after it, inside the fieldset's border.
// A caption that wraps is measured again on one line, for its spare.
const captionSpares = (page) => page.evaluate(() => [
    ...document.querySelectorAll('label.option, button.command, fieldset.frame')]
    .filter((element) => element.checkVisibility()).map((element) => {
        const holder = element.querySelector('legend') ?? element;
        const range = document.createRange();
        range.selectNodeContents(holder.lastChild);
        const box = element.getBoundingClientRect();
        const style = getComputedStyle(element);
        const left = box.left + parseFloat(style.borderLeftWidth);
        const right = box.right - parseFloat(style.borderRightWidth) -
                      parseFloat(getComputedStyle(holder).paddingRight);
        const centred = element.matches('button');
        const lines = range.getClientRects().length;
        let text = range.getBoundingClientRect();
        const inside = lines === 1 && text.right <= right && (!centred || text.left >= left);
        if (lines > 1) {
            holder.style.whiteSpace = 'nowrap';
            text = range.getBoundingClientRect();
            holder.style.whiteSpace = '';
        }
        const spare = centred ? right - left - text.width : right - text.right;
        return { name: element.id, text: holder.lastChild.textContent, spare, lines, inside };
    }));

check('in every language each caption fits its control', async (t) => {
    const translations = readFileSync(join(dirname(fileURLToPath(import.meta.url)),
                                           '../../po/LINGUAS'), 'utf8');
    const languages = ['en', ...translations.split('\n').filter((line) => /^[a-z]/.test(line))];
    const tooLong = [];
    for (const language of languages) {
        const spares = await captionSpares(await open(browser, {}, `?lang=${language}`));
        const narrowest = spares.reduce((a, b) => (b.spare < a.spare ? b : a));
        t.diagnostic(`${language}: the narrowest fit is ${narrowest.name}, ` +
                     `${narrowest.spare.toFixed(1)} pixels to spare`);
        tooLong.push(...spares.filter((caption) => !caption.inside).map((caption) =>
            `${language} ${caption.name} "${caption.text}": ${caption.spare.toFixed(1)} pixels ` +
            `to spare, ${caption.lines} line(s)`));
    }
    assert.deepEqual(tooLong, []);
});

check('Enter and Space on Start start a run', async () => {
    const page = await open(browser);
    for (const key of ['Enter', ' '])
        assert.match(await run(page, () => page.keyboard.press(key)), /detector is lit/);
});

const combinations = [];
for (const near of [false, true])
    for (const grating of [false, true])
        for (const two of [false, true])
            combinations.push({ near, grating, two,
                                name: `${near ? 'near' : 'far'}-${grating ? 'grating' : 'ordinary'}-${two ? 2 : 1}` });

check('each combination, chosen by clicking, draws the Qt program\'s picture', async (t) => {
    const page = await open(browser);
    for (const { near, grating, two, name } of combinations) {
        await option(page, near ? 'Near' : 'Far').click();
        await option(page, grating ? 'Grating' : 'Ordinary').click();
        await option(page, two ? '2' : '1').click();
        await run(page, () => page.getByRole('button', { name: 'Start' }).click());
        const share = await unmatchedShare(page, name);
        t.diagnostic(`${name}: ${(share * 100).toFixed(3)} % of the drawing area unmatched`);
        assert.ok(share < 0.0005, `${name}: ${share}`);
        if (name === 'far-grating-2') // a picture without the graph's axes does not pass
            assert.ok(await unmatchedShare(page, name, true) > 0.0015);
    }
});

check('a slow run lasts its pauses, and clicks made during it act only after it, in order', async () => {
    const page = await open(browser);
    await speedBar(page).focus();
    await page.keyboard.press('End');
    const started = Date.now();
    let duringRun;
    const summary = await run(page, async () => {
        await page.getByRole('button', { name: 'Start' }).click();
        await page.waitForTimeout(1000);
        for (const caption of ['Near', 'Ordinary', 'Far'])
            await option(page, caption).click();
        await page.waitForTimeout(500);
        duringRun = { fields: await fields(page),
                      ordinary: await option(page, 'Ordinary').isChecked() };
    });
    assert.ok(Date.now() - started >= 4000);
    assert.deepEqual(duringRun, { fields: '0 20 2 2', ordinary: false });
    assert.match(summary, /^Mirror: Grating\./);
    await page.waitForFunction(() => document.getElementById('nDifrakce').value === '1');
    assert.equal(await fields(page), '0 20 1 2');
    assert.ok(await option(page, 'Ordinary').isChecked() && await option(page, 'Far').isChecked());
});

// The picture's pixels, in one number; and the held run's notice, once it names the strip.
const pixels = (page) => page.evaluate(() => {
    const canvas = document.getElementById('picture');
    const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
    let hash = 2166136261;
    for (const byte of data)
        hash = Math.imul(hash ^ byte, 16777619) >>> 0;
    return hash;
});
const heldAt = async (page, strip) => {
    await page.waitForFunction((strip) => !document.getElementById('notice').hidden &&
        new RegExp(`strip ${strip ?? '\\d+'} of`).test(
            document.getElementById('notice-text').textContent), strip);
    return Number(/strip (\d+) of/.exec(await page.textContent('#notice-text'))[1]);
};
const ended = (page) => page.waitForFunction(() =>
    document.getElementById('summary').textContent.startsWith('Mirror'), null, { timeout: 20000 });

check('P holds a slow run: nothing is drawn while held, → draws one strip and ← takes it back, clicks and ? wait, and P lets it go on as long as it had left', async (t) => {
    const page = await open(browser, {}, '?speed=20');
    const started = Date.now();
    await page.getByRole('button', { name: 'Start' }).click();
    await page.waitForTimeout(1000);
    await page.keyboard.press('p');
    const strip = await heldAt(page);
    const held = Date.now();
    const before = await pixels(page);
    await option(page, 'Near').click();
    await page.keyboard.press('?');
    await page.waitForTimeout(300);
    assert.equal(await pixels(page), before);
    assert.deepEqual([await fields(page), await option(page, 'Near').isChecked()], ['0 20 2 2', false]);
    await page.keyboard.press('ArrowRight');
    await heldAt(page, strip + 1);
    const stepped = await pixels(page);
    await page.waitForTimeout(300);
    assert.ok(stepped !== before && await pixels(page) === stepped);
    await page.keyboard.press('ArrowLeft');
    assert.equal(await heldAt(page, strip), strip);
    assert.equal(await pixels(page), before);
    await page.waitForTimeout(300);
    const goesOn = Date.now();
    await page.keyboard.press('p');
    await page.locator('#notice').waitFor({ state: 'hidden' });
    await ended(page);
    // 20 pauses of 200 ms and the time held, less the step's play (its pause's rest, its strip
    // and the pause after, 400 ms at most) and 100 ms to spare: held and goesOn are taken late and
    // early.
    const lasted = Date.now() - started;
    t.diagnostic(`${lasted} ms, held ${goesOn - held} ms`);
    assert.ok(lasted >= 4000 + (goesOn - held) - 500, `${lasted} ms, held ${goesOn - held} ms`);
    assert.ok(await unmatchedShare(page, 'far-grating-2') < 0.0005);
    await page.getByRole('dialog', { name: 'Keys' }).waitFor();
    assert.equal(await fields(page), '170 20 2 2');
});

check('under a finger a tap on the picture holds a run, and its buttons step it and let it go on', async () => {
    const page = await open(browser, phone, '?speed=20');
    await page.getByRole('button', { name: 'Start' }).tap();
    await page.waitForTimeout(1000);
    await page.locator('#picture').tap();
    const strip = await heldAt(page);
    const buttons = ['Step back', 'Step forward', 'Go on'].map((name) =>
        page.getByRole('button', { name, exact: true }));
    for (const button of buttons) {
        const box = await button.boundingBox();
        assert.ok(box.width >= 44 && box.height >= 44, JSON.stringify(box));
    }
    assert.deepEqual(await axeViolations(page), []);
    await buttons[1].tap();
    await heldAt(page, strip + 1);
    await buttons[0].tap();
    await heldAt(page, strip);
    await buttons[2].tap();
    await ended(page);
    assert.ok(!await buttons[2].isVisible());
});

check('? and F1 show the keys; Enter and Esc close them', async () => {
    const page = await open(browser);
    const dialog = page.getByRole('dialog', { name: 'Keys' });
    for (const [opens, closes] of [['?', 'Enter'], ['F1', 'Escape']]) {
        await page.keyboard.press(opens);
        await dialog.waitFor();
        assert.match(await dialog.textContent(), /\nF1 +Shows these keys\n/);
        assert.match(await dialog.textContent(), /\nC +Projector colours, and back(\n|$)/);
        await page.keyboard.press(closes);
        await dialog.waitFor({ state: 'hidden' });
    }
});

check('the address follows the settings, in place of the page\'s entry in the history', async () => {
    for (const [query, change, address] of [
        ['', (page) => option(page, 'Near').click(),
         '?detector=near&mirror=grating&frequency=2&speed=1&lang=en&zoom=100'],
        ['?speed=5&lang=cs&zoom=fit', (page) => page.locator('#HScroll1').press('End'),
         '?detector=far&mirror=grating&frequency=2&speed=20&lang=cs&zoom=fit'],
        ['?zoom=150', (page) => page.keyboard.press('c'),
         '?detector=far&mirror=grating&frequency=2&speed=1&lang=en&zoom=150&colours=projector']]) {
        const page = await open(browser, {}, query);
        const entries = await page.evaluate(() => history.length);
        assert.equal(await page.evaluate(() => location.search), query);
        await change(page);
        assert.deepEqual(await page.evaluate(() => [location.search, history.length]),
                         [address, entries]);
    }
});

check('Exit ends the program, with a way to start again', async () => {
    const page = await open(browser);
    await page.getByRole('button', { name: 'Exit' }).click();
    await page.getByText('Kymora has ended').waitFor();
    assert.ok(!(await page.locator('#client').isVisible()));
    await page.getByRole('button', { name: 'Start again' }).click();
    await page.waitForFunction(() => document.activeElement?.id === 'cmdStart');
});

check('an error is shown in a dialog, and closing it ends the program', async () => {
    const page = await open(browser);
    await page.evaluate(() => { document.getElementById('nPoloha').value = 'Poloha'; });
    await page.getByRole('button', { name: 'Start' }).click();
    const dialog = page.getByRole('dialog', { name: 'Kymora' });
    await dialog.waitFor();
    assert.equal((await dialog.locator('p').textContent()).trim(),
                 "Run-time error '13':\n\nType mismatch");
    await dialog.getByRole('button', { name: 'OK' }).click();
    await page.getByText('Kymora has ended').waitFor();
});

check('at a device pixel ratio of 2 the picture is held at 1600 x 1170, a thin line two pixels thick, and a zoom keeps it', async () => {
    const page = await open(browser, { deviceScaleFactor: 2 });
    await run(page, () => page.getByRole('button', { name: 'Start' }).click());
    // The graph's axis, y 515, along a column of the canvas's backing store.
    const axis = (first) => page.evaluate((first) => {
        const canvas = document.getElementById('picture');
        const data = canvas.getContext('2d').getImageData(canvas.width / 2, first, 1, 6).data;
        return { size: [canvas.width, canvas.height],
                 rows: [0, 1, 2, 3, 4, 5].map((i) => data[i * 4]) };
    }, first);
    assert.deepEqual(await axis(1028), { size: [1600, 1170], rows: [192, 192, 0, 0, 192, 192] });
    // Zoomed back to a ratio of 1, the picture is drawn anew at it.
    const session = await page.context().newCDPSession(page);
    await session.send('Emulation.setDeviceMetricsOverride',
                       { width: 810, height: 640, deviceScaleFactor: 1, mobile: false });
    await page.waitForFunction(() => document.getElementById('picture').width === 800);
    assert.deepEqual(await axis(513), { size: [800, 585], rows: [192, 192, 0, 192, 192, 192] });
    // The axis fills exactly its pixels along row 515, from x 64 to 784, both ends included.
    const ends = await page.evaluate(() => [62, 782].map((x) => Array.from(
        document.getElementById('picture').getContext('2d').getImageData(x, 515, 4, 1).data
            .filter((_, i) => i % 4 === 0))));
    assert.deepEqual(ends, [[192, 192, 0, 0], [0, 0, 0, 192]]);
});

check('axe finds nothing in the touch layout, and in the design\'s only its small option buttons, in the projector\'s colours too', async () => {
    const desktop = { viewport: { width: 1280, height: 800 } };
    for (const [options, query, allowed] of [[phone, '', []], [desktop, '', ['target-size']],
                                             [desktop, '?colours=projector', ['target-size']]]) {
        const page = await open(browser, options, query);
        assert.deepEqual(await axeViolations(page), allowed);
        await run(page, () => page.getByRole('button', { name: 'Start' }).click());
        assert.deepEqual(await axeViolations(page), allowed);
        // The captions painted on the picture are in the accessibility tree too.
        const captions = await page.getByRole('list', { name: 'Captions on the picture' })
            .getByRole('listitem').allTextContents();
        assert.ok(captions.includes('Sum of vectors') && captions.includes('Kymora'), captions);
    }
});

check('in the touch layout a finger hits every control, and a tap does what a click does', async () => {
    const page = await open(browser, phone);
    assert.ok(await page.evaluate(() =>
        document.documentElement.scrollWidth <= document.documentElement.clientWidth));
    const targets = page.locator('label.option:visible, button.command, .speed > .arrow, .thumb');
    for (const box of await targets.evaluateAll((elements) =>
        elements.map((e) => e.getBoundingClientRect().toJSON())))
        assert.ok(box.width >= 44 && box.height >= 44, JSON.stringify(box));
    // The picture fills the width, below the controls, at the device's pixels.
    const picture = await page.evaluate(() => {
        const canvas = document.getElementById('picture');
        const box = canvas.getBoundingClientRect();
        return { width: box.width, top: box.top, pixels: canvas.width, speedBar:
                 document.getElementById('HScroll1').getBoundingClientRect().bottom };
    });
    assert.ok(picture.width >= 370 && picture.top >= picture.speedBar, JSON.stringify(picture));
    assert.equal(picture.pixels, Math.round(picture.width * phone.deviceScaleFactor));

    await option(page, 'Near').tap();
    await page.locator('.speed > .right').tap();
    assert.equal(await fields(page), '170 2 2 2');
    assert.match(await run(page, () => page.getByRole('button', { name: 'Start' }).tap()),
                 /Near\. The detector is lit/);
    await page.getByRole('button', { name: 'Exit' }).tap();
    await page.getByText('Kymora has ended').waitFor();
});

check('turning the phone switches layouts and keeps the picture and the settings', async () => {
    const page = await open(browser, phone);
    await option(page, 'Near').tap();
    await run(page, () => page.getByRole('button', { name: 'Start' }).tap());
    await page.setViewportSize({ width: 844, height: 390 });
    await page.waitForFunction(() => !document.body.classList.contains('touch'));
    assert.equal(await fields(page), '170 1 2 2');
    assert.ok(await option(page, 'Near').isChecked());
    assert.ok(await unmatchedShare(page, 'near-grating-2') < 0.0005);
    await page.setViewportSize({ width: 390, height: 844 });
    await page.waitForFunction(() => document.body.classList.contains('touch'));
    assert.ok(await unmatchedShare(page, 'near-grating-2') < 0.0005);
});

check('the page makes no request beyond itself, from file://', async () => {
    const context = await browser.newContext();
    const page = await context.newPage();
    const requests = [];
    page.on('request', (request) => requests.push(request.url()));
    await page.goto(pageUrl);
    await page.waitForFunction(() => document.activeElement?.id === 'cmdStart');
    await run(page, () => page.getByRole('button', { name: 'Start' }).click());
    assert.deepEqual(requests, [pageUrl]);
});

check('after a run a live region says what it showed, lit or dark', async () => {
    const page = await open(browser);
    await option(page, 'Near').click();
    const start = () => page.getByRole('button', { name: 'Start' }).click();
    const summary = await run(page, start);
    assert.equal(summary, 'Mirror: Grating. Frequency: 2. Detector position: Near. ' +
                          'The detector is lit. The resultant is 83.1 long.');
    assert.equal(await page.getByRole('status').textContent(), summary);
    // A run empties it as it begins, so that the same words at its end are told again.
    await page.evaluate(() => {
        const region = document.getElementById('summary');
        window.told = [];
        new MutationObserver(() => told.push(region.textContent))
            .observe(region, { childList: true, characterData: true, subtree: true });
    });
    await start();
    await page.waitForFunction(() => told.length === 2);
    assert.deepEqual(await page.evaluate(() => told), ['', summary]);
    await option(page, '1').click();
    assert.equal(await run(page, start), 'Mirror: Grating. Frequency: 1. Detector position: ' +
                                         'Near. The detector is dark. The resultant is 20.8 long.');
});

check('from a web server it installs as an app, and a set-up link opens and runs offline after one visit', async () => {
    const server = await serve(dirname(process.env.KYMORA_WEB_PAGE));
    const profile = mkdtempSync(join(tmpdir(), 'kymora-profile-'));
    const context = await launchWithProfile(profile);
    try {
        const page = await context.newPage();
        await page.goto(server.url + 'kymora.html');
        await page.evaluate(() => navigator.serviceWorker.ready);
        const session = await context.newCDPSession(page);
        assert.deepEqual((await session.send('Page.getInstallabilityErrors')).installabilityErrors,
                         []);
        await context.setOffline(true);
        await page.goto(server.url + 'kymora.html?detector=near&mirror=ordinary&frequency=1');
        await page.waitForFunction(() => document.activeElement?.id === 'cmdStart');
        assert.equal(await fields(page), '170 1 1 1');
        assert.match(await run(page, () => page.getByRole('button', { name: 'Start' }).click()),
                     /Mirror: Ordinary\. Frequency: 1\. Detector position: Near\. The detector is dark/);
    } finally {
        await context.close();
        server.close();
        rmSync(profile, { recursive: true });
    }
});

// The graph's axis in the picture as drawn: its longest dark row near a row, and how thick it is.
const axisNear = (page, row) => page.evaluate((row) => {
    const canvas = document.getElementById('picture');
    const { data, width } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
    const dark = (x, y) => data[4 * (y * width + x)] < 64 && data[4 * (y * width + x) + 1] < 64;
    let best = { y: row, length: 0 };
    for (let y = row - 2; y <= row + 2; ++y) {
        let length = 0;
        for (let x = 0; x < width; ++x)
            length += dark(x, y);
        if (length > best.length)
            best = { y, length };
    }
    let top = best.y;
    while (dark(Math.round(width / 2), top - 1))
        --top;
    let bottom = best.y;
    while (dark(Math.round(width / 2), bottom + 1))
        ++bottom;
    return { length: best.length, thickness: bottom - top + 1 };
}, row);

// How far the document reaches past the window, across and down: nothing to scroll is [0, 0].
const overflow = (page) => page.evaluate(() => {
    const root = document.documentElement;
    return [root.scrollWidth - innerWidth, root.scrollHeight - innerHeight]
        .map((past) => Math.max(past, 0));
});

check('?zoom=fit fills a 1920 x 1080 window, centred and drawn anew, and scrolls at no size; ?zoom=150 draws at 150 %', async () => {
    for (const [width, height] of [[1366, 768], [320, 480]]) {
        const small = await open(browser, { viewport: { width, height } }, '?zoom=fit');
        assert.deepEqual(await overflow(small), [0, 0], `${width} x ${height}`);
    }
    const page = await open(browser, { viewport: { width: 1920, height: 1080 } }, '?zoom=fit');
    const box = await page.locator('#picture').boundingBox();
    assert.equal(Math.round(box.width), 1477);
    assert.ok(Math.abs(box.x - (1920 - 1477) / 2) <= 1 && Math.abs(box.y) <= 1, JSON.stringify(box));
    assert.equal(await page.evaluate(() => document.getElementById('picture').width), 1477);
    await run(page, () => page.getByRole('button', { name: 'Start' }).click());
    const axis = await axisNear(page, Math.round(515 * 1080 / 585));
    assert.ok(Math.abs(axis.length - 1329) <= 3 && axis.thickness >= 2, JSON.stringify(axis));
    assert.deepEqual(await overflow(page), [0, 0]);

    const zoomed = await open(browser, { viewport: { width: 1300, height: 950 } }, '?zoom=150');
    assert.equal(await zoomed.evaluate(() => document.getElementById('picture').width), 1200);
    // The widths its lines and circles are stroked at, in the canvas's pixels: its pens of 1, 2
    // and 4 pixels in proportion, in whole pixels, as the other programs draw them.
    await zoomed.evaluate(() => {
        const stroke = CanvasRenderingContext2D.prototype.stroke;
        window.strokeWidths = new Set();
        CanvasRenderingContext2D.prototype.stroke = function (...path) {
            strokeWidths.add(Math.round(this.lineWidth * this.getTransform().a * 100) / 100);
            return stroke.apply(this, path);
        };
    });
    await run(zoomed, () => zoomed.getByRole('button', { name: 'Start' }).click());
    assert.deepEqual(await zoomed.evaluate(() => [...strokeWidths].sort()), [2, 3, 6]);
    assert.ok(await unmatchedShare(zoomed, 'far-grating-2', false, true) < 0.0005);
    assert.equal((await axisNear(zoomed, Math.round(515 * 1.5))).thickness, 2);
});

check('the speed bar\'s keys, each to its move', async () => {
    const page = await open(browser, {}, '?speed=7');
    await speedBar(page).focus();
    for (const [key, value] of [['ArrowLeft', 6], ['ArrowUp', 5], ['PageUp', 4], ['ArrowRight', 5],
                                ['ArrowDown', 6], ['PageDown', 7], ['End', 20], ['Home', 1]]) {
        await page.keyboard.press(key);
        assert.equal(await speedBar(page).getAttribute('aria-valuenow'), String(value), key);
    }
});

check('the thumb dragged past either end of its track and to its middle, at 100 % and 200 %', async () => {
    for (const query of ['', '?zoom=200']) {
        const page = await open(browser, { viewport: { width: 1700, height: 1250 } }, query);
        const track = await speedBar(page).locator('.track').boundingBox();
        for (const [x, value] of [[track.x + track.width + 40, 20], [track.x - 40, 1],
                                  [track.x + track.width / 2, 11]]) {
            const thumb = await speedBar(page).locator('.thumb').boundingBox();
            await page.mouse.move(thumb.x + thumb.width / 2, thumb.y + thumb.height / 2);
            await page.mouse.down();
            await page.mouse.move(x, thumb.y + thumb.height / 2, { steps: 5 });
            await page.mouse.up();
            assert.equal(await speedBar(page).getAttribute('aria-valuenow'), String(value),
                         `${query} ${x}`);
        }
    }
});

check('in a desktop window of 760 pixels with a mouse the form scales down to its width', async () => {
    const page = await open(browser, { viewport: { width: 760, height: 700 } });
    const sizes = await page.evaluate(() => ({ scroll: document.documentElement.scrollWidth,
                                               width: document.documentElement.clientWidth }));
    assert.ok(sizes.scroll <= sizes.width, JSON.stringify(sizes));
    const box = await page.locator('#picture').boundingBox();
    assert.ok(Math.abs(box.width - sizes.width) <= 1 && !await page.evaluate(() =>
        document.body.classList.contains('touch')), JSON.stringify(box));
});
