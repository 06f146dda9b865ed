// Times the page against the window in one run on this machine, prints the
// figures and fails (exit status 1) when a redraw in the page costs more than
// twice the engine's:
//   - a redraw in the page: the engine in WebAssembly, reading the boxes and
//     composing the readout, the description and the link, against the
//     window's engine alone (GraficarOnRasterCanvas) and its redraw with the
//     pixels painted (RedrawOnScreen), both natively;
//   - a redraw shown at once: with the canvas, the readout and the
//     description brought up to it, which the page does once a frame;
//   - the address rewritten (history.replaceState), which the page does once
//     a frame after an event, not while time runs;
//   - the first picture on the canvas after the page's navigation began;
//   - the size of amsim.html.
// The times are CPU times (the browser's processes from /proc, the native
// benchmarks' own), the page's and the window's taken in turns and the least
// of each kept, so that other work on the machine slows neither figure.
//
//   node bench/page-bench.mjs <amsim_bench> [repetitions]
import { execFileSync } from 'node:child_process';
import { statSync } from 'node:fs';

import { PAGE, launch, open } from '../tests/support.mjs';
import { TICKS_PER_SECOND, treeTicks } from './process-ticks.mjs';

const [nativeBench, repetitionsText = '5'] = process.argv.slice(2);
const repetitions = Number(repetitionsText);
const REDRAWS = 500;
const MOST_PAGE_PER_ENGINE = 2;

function native() {
    const report = JSON.parse(
        execFileSync(nativeBench, [
            '--benchmark_filter=^(GraficarOnRasterCanvas|RedrawOnScreen)$',
            '--benchmark_min_time=0.5s',
            '--benchmark_format=json',
        ], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: ['ignore', 'pipe', 'ignore'] }),
    );
    const cpuOf = (name) => report.benchmarks.find((b) => b.name === name).cpu_time / 1000;
    return { engine: cpuOf('GraficarOnRasterCanvas'), onScreen: cpuOf('RedrawOnScreen') };
}

const TICKS_PER_MS = TICKS_PER_SECOND / 1000;

// The browser's CPU time for one redraw, V(cc) alternating between 1 and 0.8
// so that every redraw changes the picture; each shown at once when asked,
// with its address or without.
async function redrawTime(tab, root, { showEach = false, address = false } = {}) {
    const before = treeTicks(root);
    await tab.evaluate((count, show, rewrite) => {
        const replaceState = history.replaceState;
        if (!rewrite) {
            history.replaceState = () => {};
        }
        const vcc = document.getElementById('Vcc');
        for (let i = 0; i < count; ++i) {
            vcc.value = i % 2 ? '1' : '0.8';
            window.amsim.redraw();
            if (show) {
                window.amsim.show();
            }
        }
        window.amsim.show();
        history.replaceState = replaceState;
    }, REDRAWS, showEach, address);
    return (treeTicks(root) - before) / TICKS_PER_MS / REDRAWS;
}

async function firstPicture(browser) {
    const { page: tab } = await open(browser, { query: '?lang=en-US' });
    const time = await tab.evaluate(() => {
        const [mark] = performance.getEntriesByName('amsim-first-picture');
        return mark.startTime;
    });
    await tab.close();
    return time;
}

const chromium = await launch();
let pagePerEngine = 0;
try {
    const root = chromium.browser.process().pid;
    const firstPictures = [];
    for (let load = 0; load < 3; ++load) {
        firstPictures.push(await firstPicture(chromium.browser));
    }
    const { page: tab } = await open(chromium.browser, { query: '?lang=en-US' });
    const least = { redraw: Infinity, shown: Infinity, addressed: Infinity, engine: Infinity, onScreen: Infinity };
    const keepLeast = (figures) => Object.entries(figures).forEach(([name, value]) => {
        least[name] = Math.min(least[name], value);
    });
    for (let r = 0; r < repetitions; ++r) {
        keepLeast({
            redraw: await redrawTime(tab, root),
            shown: await redrawTime(tab, root, { showEach: true }),
            addressed: await redrawTime(tab, root, { showEach: true, address: true }),
        });
        keepLeast(native());
    }
    await tab.close();
    pagePerEngine = least.redraw / least.engine;
    const ms = (value) => `${value.toFixed(2)} ms`;
    console.log(`redraw in the page                       ${ms(least.redraw)}  page/engine ${pagePerEngine.toFixed(2)}`);
    console.log(`redraw in the page, shown at once        ${ms(least.shown)}  page/window ${(least.shown / least.onScreen).toFixed(2)}`);
    console.log(`the address rewritten                    ${ms(least.addressed - least.shown)}`);
    console.log(`window's redraw (engine and painting)    ${ms(least.onScreen)}`);
    console.log(`window's engine alone                    ${ms(least.engine)}`);
    console.log(`first picture after navigation began     ${firstPictures.map(ms).join(', ')}`);
    console.log(`amsim.html                               ${(statSync(PAGE).size / 1024).toFixed(0)} KiB`);
} finally {
    await chromium.close();
}
if (pagePerEngine > MOST_PAGE_PER_ENGINE) {
    console.error(`A redraw in the page costs ${pagePerEngine.toFixed(2)} times the engine's, more than ${MOST_PAGE_PER_ENGINE}.`);
    process.exitCode = 1;
}
