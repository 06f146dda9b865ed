// Times the page against the window in one run on this machine, and prints
// the figures (no test passes or fails on them):
//   - a redraw in the page, the engine and the pixels put on the canvas,
//     against the window's redraw with its pixels painted (RedrawOnScreen)
//     and against the engine alone (GraficarOnRasterCanvas), both natively;
//   - the first picture after the page's load event;
//   - the size of amsim.html.
//
//   node bench/page-bench.mjs <amsim_bench> [repetitions]
import { execFileSync } from 'node:child_process';
import { statSync } from 'node:fs';

import { PAGE, launch, open } from '../tests/support.mjs';

const [nativeBench, repetitionsText = '5'] = process.argv.slice(2);
const repetitions = Number(repetitionsText);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

function native() {
    const report = JSON.parse(
        execFileSync(nativeBench, [
            '--benchmark_filter=^(GraficarOnRasterCanvas|RedrawOnScreen)$',
            `--benchmark_repetitions=${repetitions}`,
            '--benchmark_report_aggregates_only=true',
            '--benchmark_format=json',
        ], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } }),
    );
    const medianOf = (name) =>
        report.benchmarks.find((b) => b.name === `${name}_median`).real_time / 1000;
    return { engine: medianOf('GraficarOnRasterCanvas'), onScreen: medianOf('RedrawOnScreen') };
}

// The mean redraw over 400, the median of the repetitions after the first.
// V(cc) alternates between 1 and 0.8, so every redraw changes the picture.
async function redrawTime(tab) {
    const redraws = [];
    for (let r = 0; r < repetitions; ++r) {
        redraws.push(
            await tab.evaluate(() => {
                const vcc = document.getElementById('Vcc');
                const count = 400;
                const start = performance.now();
                for (let i = 0; i < count; ++i) {
                    vcc.value = i % 2 ? '1' : '0.8';
                    window.amsim.redraw();
                }
                return (performance.now() - start) / count;
            }),
        );
    }
    return median(redraws.slice(1));
}

// One load: its first picture, and the redraw's time when asked for.
async function page(browser, timeRedraws) {
    const { page: tab } = await open(browser, { query: '?lang=en-US' });
    const firstPicture = await tab.evaluate(() => {
        const [mark] = performance.getEntriesByName('amsim-first-picture');
        return mark.startTime - performance.getEntriesByType('navigation')[0].loadEventStart;
    });
    const redraw = timeRedraws ? await redrawTime(tab) : undefined;
    await tab.close();
    return { firstPicture, redraw };
}

const chromium = await launch();
try {
    const window = native();
    const loads = 3;
    const firstPictures = [];
    let redraw = 0;
    // Every load gives its first picture; the last also the redraw's time.
    for (let load = 0; load < loads; ++load) {
        const last = load === loads - 1;
        const measured = await page(chromium.browser, last);
        firstPictures.push(measured.firstPicture);
        if (last) {
            redraw = measured.redraw;
        }
    }
    const ms = (value) => `${value.toFixed(2)} ms`;
    console.log(`redraw in the page (engine and canvas)   ${ms(redraw)}`);
    console.log(`window's redraw (engine and painting)    ${ms(window.onScreen)}  page/window ${(redraw / window.onScreen).toFixed(2)}`);
    console.log(`window's engine alone                    ${ms(window.engine)}  page/engine ${(redraw / window.engine).toFixed(2)}`);
    console.log(`first picture after the load event       ${firstPictures.map(ms).join(', ')}`);
    console.log(`amsim.html                               ${(statSync(PAGE).size / 1024).toFixed(0)} KiB`);
} finally {
    await chromium.close();
}
