// The pace of real runs of the web page in Firefox and in WebKitGTK, as the other programs'
// benchmarks print it (run under run-on-weston.sh, for WebKitGTK):
//   pace web-firefox MIRROR speed=V nominal=N ms measured=M ms cpu=- ms ratio=R
//   pace web-webkit ...

import { engines, pageUrl, ready } from '../../tests/web/engines.mjs';

function nominalMilliseconds(grating, speed) {
    return (grating ? 20 : 40) * speed * 10;
}

// From the press of Start to the words that say what the run showed, timed in the page.
async function timedRun(engine) {
    await engine.evaluate(() => {
        const summary = document.getElementById('summary');
        summary.textContent = '';
        window.kymoraRunMs = null;
        const start = performance.now();
        new MutationObserver((changes, observer) => {
            if (summary.textContent === '')
                return;
            observer.disconnect();
            window.kymoraRunMs = performance.now() - start;
        }).observe(summary, { childList: true, characterData: true, subtree: true });
        document.getElementById('cmdStart').click();
    });
    for (;;) {
        const measured = await engine.evaluate(() => window.kymoraRunMs);
        if (measured !== null)
            return measured;
        await new Promise((resolve) => setTimeout(resolve, 20));
    }
}

for (const [key, launch] of Object.entries(engines)) {
    const engine = await launch();
    for (const grating of [true, false])
        for (const speed of [1, 20]) {
            await engine.open(`${pageUrl}?mirror=${grating ? 'grating' : 'ordinary'}&speed=${speed}`,
                              1280, 800);
            await ready(engine);
            // Unmeasured: the engine's compilers warm up, and a fresh browser settles.
            for (let warmUp = 0; warmUp < 3; ++warmUp)
                await timedRun(engine);
            const measured = await timedRun(engine);
            const nominal = nominalMilliseconds(grating, speed);
            console.log(`pace web-${key} ${grating ? 'grating' : 'ordinary'} speed=${speed} ` +
                        `nominal=${nominal} ms measured=${measured.toFixed(1)} ms cpu=- ms ` +
                        `ratio=${(measured / nominal).toFixed(3)}`);
        }
    await engine.close();
}
