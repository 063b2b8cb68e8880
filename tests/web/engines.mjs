// The page in the two other engines schools use, beside Chromium: Firefox ESR, driven by
// Puppeteer over WebDriver BiDi, and WebKitGTK's MiniBrowser, driven by Selenium through
// WebKitWebDriver on a Wayland compositor of its own (run-on-weston.sh), which has no pointing
// device: WebKit takes its pointer to be coarse there, as on a tablet. Debian's browsers; none
// is downloaded. Each engine is opened the same way and answers the same few questions.

import { spawn } from 'node:child_process';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';
import { Builder } from 'selenium-webdriver';

export const pageUrl = pathToFileURL(process.env.KYMORA_WEB_PAGE).href;
const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const webDriverPort = 4455;

async function firefox() {
    const browser = await puppeteer.launch({
        browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
        // A touch screen's pointer, for the touch layout.
        extraPrefsFirefox: { 'ui.primaryPointerCapabilities': 1 },
    });
    const page = await browser.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    return {
        name: 'Firefox ' + (await browser.version()).replace(/^firefox\//, ''),
        errors,
        async open(url, width, height) {
            await page.setViewport({ width, height });
            await page.goto(url);
        },
        evaluate: (script, ...args) => page.evaluate(script, ...args),
        click: (id) => page.click('[id="' + id + '"]'),
        close: () => browser.close(),
    };
}

// A new session hangs where no display answers: it is given a time limit.
async function webkit() {
    const driver = spawn('WebKitWebDriver', ['--port=' + webDriverPort], { stdio: 'ignore' });
    await new Promise((resolve) => setTimeout(resolve, 500));
    const capabilities = { browserName: 'MiniBrowser', 'webkitgtk:browserOptions':
                           { binary: miniBrowser, args: ['--automation'] } };
    const session = await Promise.race([
        new Builder().usingServer(`http://127.0.0.1:${webDriverPort}`)
            .withCapabilities(capabilities).build(),
        new Promise((_, reject) => setTimeout(() => reject(new Error('no WebKit session')), 30000)),
    ]).catch((error) => { driver.kill(); throw error; });
    const version = (await session.getCapabilities()).get('browserVersion');
    // It has no console to read: errors are caught in the page once it is loaded.
    const run = (script, ...args) => session.executeScript(`return (${script})(...arguments)`, ...args);
    return {
        name: 'WebKitGTK ' + version,
        errors: [],
        async open(url, width, height) {
            await session.manage().window().setRect({ width, height });
            await session.get(url);
            await run(() => { window.kymoraErrors = [];
                              addEventListener('error', (e) => kymoraErrors.push(e.message)); });
        },
        async evaluate(script, ...args) {
            const result = await run(script, ...args);
            this.errors.splice(0, this.errors.length, ...await run(() => window.kymoraErrors));
            return result;
        },
        click: async (id) => (await session.findElement({ id })).click(),
        async close() {
            await session.quit();
            driver.kill();
        },
    };
}

export const engines = { firefox, webkit };

// Waits until the page has its focus on Start.
export async function ready(engine) {
    for (let tries = 0; tries < 100; ++tries) {
        if (await engine.evaluate(() => document.activeElement?.id === 'cmdStart'))
            return;
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
    throw new Error(engine.name + ': the page did not open');
}

// Presses Start and waits for the run's end; what the page said of it.
export async function run(engine) {
    await engine.evaluate(() => { document.getElementById('summary').textContent = ''; });
    await engine.click('cmdStart');
    for (let tries = 0; tries < 200; ++tries) {
        const said = await engine.evaluate(() => document.getElementById('summary').textContent);
        if (said)
            return said;
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
    throw new Error(engine.name + ': the run did not end');
}
