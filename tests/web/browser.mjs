// The web page in Debian's Chromium, headless, driven with Playwright, for the page's tests.

import { chromium } from 'playwright-core';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

export const pageUrl = pathToFileURL(process.env.KYMORA_WEB_PAGE).href;
const reference = () => process.env.KYMORA_WEB_REFERENCE;

// The controls of the design, from the program's own table.
export const design = () => JSON.parse(readFileSync(join(reference(), 'design.json'), 'utf8'));

export function launch() {
    return chromium.launch({
        executablePath: process.env.KYMORA_CHROMIUM || '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
               '--disable-component-update', '--no-first-run', '--disable-sync',
               '--disable-quic'],
    });
}

// The page, opened in a context of its own, once the window has its focus on Start; with a
// set-up in its address, when one is given ('?detector=near').
export async function open(browser, options = {}, query = '') {
    const context = await browser.newContext({ viewport: { width: 820, height: 640 },
                                               ...options });
    const page = await context.newPage();
    page.errors = [];
    page.on('console', (message) => {
        if (message.type() === 'error')
            page.errors.push(message.text());
    });
    await page.goto(pageUrl + query);
    await page.waitForFunction(() => document.activeElement?.id === 'cmdStart');
    return page;
}

export const fields = (page) => page.evaluate(() =>
    ['nPoloha', 'nSpomaleni', 'nDifrakce', 'nKmitocet']
        .map((name) => document.getElementById(name).value).join(' '));

// Does something that starts a run, and waits until the run is over; what the page said of it.
export async function run(page, start, timeout = 20000) {
    await page.evaluate(() => { document.getElementById('summary').textContent = ''; });
    await start();
    await page.waitForFunction(() => document.getElementById('summary').textContent !== '',
                               null, { timeout });
    return page.textContent('#summary');
}

// The Qt program's picture of a combination and the areas a comparison leaves out.
export function qtPicture(name) {
    return {
        png: readFileSync(join(reference(), name + '.png')).toString('base64'),
        leftOut: JSON.parse(readFileSync(join(reference(), name + '.json'), 'utf8')),
    };
}

// The share of the drawing area's pixels, some areas left out, whose ink the other picture has
// nowhere within a pixel of them, looked at both ways. Ink is what is not the background grey,
// told apart as dark, white or green; the page's antialiased edges, paler than ink, count as
// background. With eraseAxes, the graph's axes are first painted over in the page's picture.
export function unmatchedShare(page, qt, eraseAxes = false) {
    return page.evaluate(async ({ png, leftOut, eraseAxes }) => {
        const image = new Image();
        image.src = 'data:image/png;base64,' + png;
        await image.decode();
        const canvas = document.getElementById('picture');
        const width = 800;
        const height = 585;
        const copy = (source) => {
            const scratch = document.createElement('canvas');
            scratch.width = width;
            scratch.height = height;
            const context = scratch.getContext('2d');
            context.drawImage(source, 0, 0, width, height);
            return { context: context, data: context.getImageData(0, 0, width, height).data };
        };
        const web = copy(canvas);
        if (eraseAxes) {
            web.context.fillStyle = '#c0c0c0';
            web.context.fillRect(60, 512, 740, 7);
            web.context.fillRect(61, 398, 7, 120);
            web.data = web.context.getImageData(0, 0, width, height).data;
        }
        const qt = copy(image).data;
        const kind = (data, x, y) => {
            const i = (y * width + x) * 4;
            const [r, g, b] = [data[i], data[i + 1], data[i + 2]];
            if (Math.max(Math.abs(r - 192), Math.abs(g - 192), Math.abs(b - 192)) < 48)
                return 0;
            if (g > r + 60 && g > b + 60)
                return 1;
            if (r > 230 && g > 230 && b > 230)
                return 2;
            return r < 160 && g < 160 && b < 160 ? 3 : 0;
        };
        const near = (data, x, y, wanted) => {
            for (let dy = -1; dy <= 1; ++dy)
                for (let dx = -1; dx <= 1; ++dx)
                    if (kind(data, x + dx, y + dy) === wanted)
                        return true;
            return false;
        };
        const isLeftOut = (x, y) => leftOut.some((a) =>
            x >= a.left - 4 && x < a.left + a.width + 4 && y >= a.top - 4 &&
            y < a.top + a.height + 4);
        let compared = 0;
        let unmatched = 0;
        for (let y = 82; y < 580; ++y)
            for (let x = 6; x < 795; ++x) {
                if (isLeftOut(x, y))
                    continue;
                ++compared;
                const a = kind(web.data, x, y);
                const b = kind(qt, x, y);
                if ((a && !near(qt, x, y, a)) || (b && !near(web.data, x, y, b)))
                    ++unmatched;
            }
        return unmatched / compared;
    }, { ...qt, eraseAxes });
}
