// The web page in Debian's Chromium, headless, driven with Playwright, for the page's tests.

import { chromium } from 'playwright-core';
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { basename, dirname, extname, join } from 'node:path';
import { pathToFileURL } from 'node:url';

export const pageUrl = pathToFileURL(process.env.KYMORA_WEB_PAGE).href;
// A phone held upright: the touch layout.
export const phone = { viewport: { width: 390, height: 844 }, deviceScaleFactor: 2, isMobile: true,
                       hasTouch: true };

// What axe-core finds against WCAG 2.2 A and AA and its best practices: each rule broken, with
// the number of elements that break it.
export async function axeViolations(page) {
    await page.addScriptTag({ path: createRequire(import.meta.url).resolve('axe-core/axe.min.js') });
    const { violations } = await page.evaluate(() => axe.run({ runOnly: { type: 'tag', values:
        ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'] } }));
    return violations.map((violation) => violation.id);
}

// What the Qt program's side of the tests answers (tests/web/reference.cpp).
const reference = (...question) => execFileSync(process.env.KYMORA_WEB_REFERENCE, question,
    { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } }).toString();

// The controls of the design, from the program's own table.
export const design = () => JSON.parse(reference('design'));

const chromiumOptions = {
    executablePath: process.env.KYMORA_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
           '--disable-component-update', '--no-first-run', '--disable-sync', '--disable-quic'],
};

export function launch() {
    return chromium.launch(chromiumOptions);
}

// Chromium with a profile of its own that keeps what it stores, as a pupil's browser does.
export function launchWithProfile(folder) {
    return chromium.launchPersistentContext(folder, chromiumOptions);
}

// A web server on 127.0.0.1 for the files beside the page; its address once it listens.
export async function serve(folder) {
    const types = { '.html': 'text/html', '.js': 'text/javascript', '.png': 'image/png',
                    '.webmanifest': 'application/manifest+json' };
    const server = createServer((request, response) => {
        const file = join(folder, basename(new URL(request.url, 'http://localhost').pathname));
        if (!existsSync(file))
            return response.writeHead(404).end();
        response.writeHead(200, { 'Content-Type': types[extname(file)] || 'text/plain' });
        response.end(readFileSync(file));
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
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

// The share of the drawing area that the Qt program's picture of the combination does not match,
// as the Windows program's test measures it. With eraseAxes, the graph's axes are first painted
// over in the page's picture, as a program that left them out would show it. A zoomed picture is
// compared pixel for pixel, as it was drawn.
export async function unmatchedShare(page, name, eraseAxes = false, zoomed = false) {
    const png = await page.evaluate(([eraseAxes, zoomed]) => {
        const picture = document.getElementById('picture');
        const scratch = document.createElement('canvas');
        [scratch.width, scratch.height] = zoomed ? [picture.width, picture.height] : [800, 585];
        const context = scratch.getContext('2d');
        context.drawImage(picture, 0, 0, scratch.width, scratch.height);
        if (eraseAxes) {
            context.fillStyle = '#c0c0c0';
            context.fillRect(60, 512, 740, 7);
            context.fillRect(61, 398, 7, 120);
        }
        return scratch.toDataURL('image/png').split(',')[1];
    }, [eraseAxes, zoomed]);
    const file = join(mkdtempSync(join(tmpdir(), 'kymora-')), name + '.png');
    writeFileSync(file, Buffer.from(png, 'base64'));
    const share = Number(reference('compare', name, file));
    rmSync(dirname(file), { recursive: true });
    return share;
}
