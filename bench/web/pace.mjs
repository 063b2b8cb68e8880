// One pace line of the page's benchmarks, as the other programs' benchmarks print theirs:
//   pace NAME MIRROR speed=V nominal=N ms measured=M ms cpu=C ms ratio=R (min=A max=B, K runs)
// A browser's timers fire a few milliseconds early or late from one run to the next, as its
// rendering falls, so a line at the fastest speed is the median of several runs, with the
// fastest and the slowest beside it; at the slowest speed a run is long enough to stand alone.

export function runsAt(speed) {
    return speed === 1 ? 9 : 1;
}

function nominalMilliseconds(grating, speed) {
    return (grating ? 20 : 40) * speed * 10;
}

// measured: the runs' wall times; cpu: the main thread's time in tasks over them, or null where
// the browser does not say.
export function printPace(name, grating, speed, measured, cpu = null) {
    const sorted = [...measured].sort((a, b) => a - b);
    const median = sorted[sorted.length >> 1];
    const nominal = nominalMilliseconds(grating, speed);
    const spread = sorted.length > 1 ? ` (min=${sorted[0].toFixed(1)} ` +
        `max=${sorted[sorted.length - 1].toFixed(1)}, ${sorted.length} runs)` : '';
    const cpuText = cpu === null ? '-' : (cpu / measured.length).toFixed(1);
    console.log(`pace ${name} ${grating ? 'grating' : 'ordinary'} speed=${speed} ` +
                `nominal=${nominal} ms measured=${median.toFixed(1)} ms cpu=${cpuText} ms ` +
                `ratio=${(median / nominal).toFixed(3)}${spread}`);
}

// Run in the page: presses Start and resolves to the milliseconds until the words that say what
// the run showed. Nothing else reaches the page during the run.
export function timeOneRun() {
    return new Promise((resolve) => {
        const summary = document.getElementById('summary');
        summary.textContent = '';
        let start = 0;
        new MutationObserver((changes, observer) => {
            if (summary.textContent === '')
                return;
            observer.disconnect();
            resolve(performance.now() - start);
        }).observe(summary, { childList: true, characterData: true, subtree: true });
        start = performance.now();
        document.getElementById('cmdStart').click();
    });
}
