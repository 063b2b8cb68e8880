// The web page in Debian's Chromium, headless: the pace of real runs and the time from loading
// the page to a drawn window, printed as the other programs' benchmarks print them:
//   pace web MIRROR speed=V nominal=N ms measured=M ms cpu=C ms ratio=R (pace.mjs)
//   startup web median=M ms min=A ms max=B ms (page load to a drawn window, N loads)
//   startup web-touch ...  (the same at 390 x 844 under a finger: the touch layout)
//   pace web-fullscreen ... (a 1920 x 1080 window at ?zoom=fit)

import { launch, open, pageUrl, phone, run } from '../../tests/web/browser.mjs';
import { printPace, runsAt, timeOneRun } from './pace.mjs';

const loads = 15;

// The main thread's time in tasks, in milliseconds, as the browser counts it.
async function taskMilliseconds(session) {
    const { metrics } = await session.send('Performance.getMetrics');
    return metrics.find((m) => m.name === 'TaskDuration').value * 1000;
}

async function measurePace(page, session, grating, speed, name = 'web') {
    await page.getByRole('radio', { name: grating ? 'Grating' : 'Ordinary', exact: true }).click();
    await page.getByRole('slider', { name: 'Animation speed' }).focus();
    await page.keyboard.press(speed === 1 ? 'Home' : 'End');
    const cpuBefore = await taskMilliseconds(session);
    const measured = [];
    for (let i = 0; i < runsAt(speed); ++i)
        measured.push(await page.evaluate(timeOneRun));
    printPace(name, grating, speed, measured, (await taskMilliseconds(session)) - cpuBefore);
}

async function measureStartup(browser, name, options = {}) {
    const times = [];
    for (let i = 0; i < loads; ++i) {
        const context = await browser.newContext(options);
        const page = await context.newPage();
        await page.goto(pageUrl);
        await page.waitForFunction(() => performance.getEntriesByName('kymora-window-shown').length);
        times.push(await page.evaluate(() =>
            performance.getEntriesByName('kymora-window-shown')[0].startTime));
        await context.close();
    }
    times.sort((a, b) => a - b);
    console.log(`startup ${name} median=${times[loads >> 1].toFixed(1)} ms ` +
                `min=${times[0].toFixed(1)} ms max=${times[loads - 1].toFixed(1)} ms ` +
                `(page load to a drawn window, ${loads} loads)`);
}

const browser = await launch();
const page = await open(browser);
const session = await page.context().newCDPSession(page);
await session.send('Performance.enable');
await run(page, () => page.getByRole('button', { name: 'Start' }).click()); // unmeasured
for (const grating of [true, false])
    for (const speed of [1, 20])
        await measurePace(page, session, grating, speed);
const filled = await open(browser, { viewport: { width: 1920, height: 1080 } }, '?zoom=fit');
const filledSession = await filled.context().newCDPSession(filled);
await filledSession.send('Performance.enable');
await run(filled, () => filled.getByRole('button', { name: 'Start' }).click()); // unmeasured
for (const grating of [true, false])
    for (const speed of [1, 20])
        await measurePace(filled, filledSession, grating, speed, 'web-fullscreen');
await measureStartup(browser, 'web');
await measureStartup(browser, 'web-touch', phone);
await browser.close();
