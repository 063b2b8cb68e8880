// The pace of real runs of the web page in Firefox and in WebKitGTK, as the other programs'
// benchmarks print it (run under run-on-weston.sh, for WebKitGTK):
//   pace web-firefox MIRROR speed=V nominal=N ms measured=M ms cpu=- ms ratio=R (pace.mjs)
//   pace web-webkit ...

import { engines, pageUrl, ready } from '../../tests/web/engines.mjs';
import { printPace, runsAt, timeOneRun } from './pace.mjs';

for (const [key, launch] of Object.entries(engines)) {
    const engine = await launch();
    for (const grating of [true, false])
        for (const speed of [1, 20]) {
            await engine.open(`${pageUrl}?mirror=${grating ? 'grating' : 'ordinary'}&speed=${speed}`,
                              1280, 800);
            await ready(engine);
            // Unmeasured: the engine's compilers warm up, and a fresh browser settles.
            for (let warmUp = 0; warmUp < 3; ++warmUp)
                await engine.evaluate(timeOneRun);
            const measured = [];
            for (let i = 0; i < runsAt(speed); ++i)
                measured.push(await engine.evaluate(timeOneRun));
            printPace(`web-${key}`, grating, speed, measured);
        }
    await engine.close();
}
