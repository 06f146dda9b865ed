// Times the page while its time runs, and at rest, and prints the figures
// (no test passes or fails on them):
//   - frames per second over a span of live drift, from the timestamps of
//     requestAnimationFrame callbacks that this script adds to the page (the
//     browser runs them once per frame it makes), with the longest gap
//     between two frames and the share of gaps longer than 1.5 frames; and
//     the frames the page asked for over the span, which it drew;
//   - the browser's CPU time over the span, all its processes, as a share
//     of one core, and the page's main thread alone (DevTools' TaskDuration);
//     with the CPU throttled, the main thread's only: the throttling itself
//     keeps most of a core busy, live or at rest;
//   - at rest, at full speed, the same CPU shares and how many frames the
//     page asked for.
//
//   node bench/live-bench.mjs [seconds] [live address's query]
//
// Each row opens the page afresh: a phone (390x844 at 3 device pixels to the
// CSS pixel) with the CPU throttled 4x, as DevTools emulates a slow phone; a
// laptop and a large screen at full speed.

import { countFrameRequests, launch, open } from '../tests/support.mjs';
import { TICKS_PER_SECOND, treeTicks } from './process-ticks.mjs';

const [secondsText = '10', liveQuery = '?lang=es-ES&vcc=0&df=1'] = process.argv.slice(2);
const SECONDS = Number(secondsText);
const REST_SECONDS = 5;
const LIVE = liveQuery;
const STILL = '?lang=es-ES&vcc=0';

const ROWS = [
    { name: 'phone 390x844@3, CPU 4x slower', width: 390, height: 844, scale: 3, throttle: 4 },
    { name: 'laptop 1366x657@1', width: 1366, height: 657, scale: 1, throttle: 1 },
    { name: 'large screen 1920x1080@1', width: 1920, height: 1080, scale: 1, throttle: 1 },
];


// The CPU the browser and the page's main thread take while `during` runs,
// each as a share of one core.
async function cpuWhile(browserPid, session, during) {
    const taskSeconds = async () =>
        (await session.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
    const ticks = treeTicks(browserPid);
    const task = await taskSeconds();
    const start = performance.now();
    const result = await during();
    const wall = (performance.now() - start) / 1000;
    return {
        result,
        browser: (treeTicks(browserPid) - ticks) / TICKS_PER_SECOND / wall,
        mainThread: ((await taskSeconds()) - task) / wall,
    };
}

// The timestamps of every frame over the span, taken in the page.
function frameTimes(page, seconds) {
    return page.evaluate((span) => new Promise((resolve) => {
        const times = [];
        const each = (now) => {
            times.push(now);
            if (now - times[0] < span * 1000) {
                requestAnimationFrame(each);
            } else {
                resolve(times);
            }
        };
        requestAnimationFrame(each);
    }), seconds);
}

function frameFigures(times) {
    const gaps = times.slice(1).map((t, i) => t - times[i]);
    const typical = [...gaps].sort((a, b) => a - b)[Math.floor(gaps.length / 2)];
    return {
        fps: gaps.length / ((times.at(-1) - times[0]) / 1000),
        longest: Math.max(...gaps),
        late: gaps.filter((g) => g > typical * 1.5).length / gaps.length,
    };
}

const percent = (share) => `${(share * 100).toFixed(1)} %`;
const chromium = await launch();
const browserPid = chromium.browser.process().pid;
try {
    for (const row of ROWS) {
        const { page } = await open(chromium.browser, { ...row, query: LIVE, prepare: countFrameRequests });
        const session = await page.createCDPSession();
        await session.send('Performance.enable');
        await session.send('Emulation.setCPUThrottlingRate', { rate: row.throttle });
        // A second to settle, then the span.
        await frameTimes(page, 1);
        const requested = await page.evaluate(() => window.frameRequests);
        const live = await cpuWhile(browserPid, session, () => frameTimes(page, SECONDS));
        const frames = frameFigures(live.result);
        // Less this script's own requests: the frames the page drew.
        const drawn = (await page.evaluate(() => window.frameRequests)) - requested - live.result.length;
        console.log(`${row.name}, live drift ${LIVE} over ${SECONDS} s:`);
        console.log(`  ${frames.fps.toFixed(1)} frames/s, longest gap ${frames.longest.toFixed(1)} ms, ` +
            `${percent(frames.late)} of gaps late; the page drew ${(drawn / SECONDS).toFixed(1)} frames/s`);
        const browser = row.throttle === 1 ? `browser ${percent(live.browser)} of one core, ` : '';
        console.log(`  CPU: ${browser}page's main thread ${percent(live.mainThread)}`);
        await page.close();
    }
    // At rest: nothing moves, so nothing should be drawn or asked for.
    for (const row of [{ ...ROWS[0], name: 'phone 390x844@3', throttle: 1 }, ROWS[1]]) {
        const { page: tab } = await open(chromium.browser, { ...row, query: STILL, prepare: countFrameRequests });
        const session = await tab.createCDPSession();
        await session.send('Performance.enable');
        await session.send('Emulation.setCPUThrottlingRate', { rate: row.throttle });
        await new Promise((resolve) => setTimeout(resolve, 1000));
        const rest = await cpuWhile(browserPid, session,
            () => new Promise((resolve) => setTimeout(resolve, REST_SECONDS * 1000)));
        const requests = await tab.evaluate(() => window.frameRequests);
        console.log(`${row.name}, at rest ${STILL} over ${REST_SECONDS} s:`);
        console.log(`  CPU: browser ${percent(rest.browser)} of one core, page's main thread ` +
            `${percent(rest.mainThread)}; frames the page asked for: ${requests}`);
        await tab.close();
    }
} finally {
    await chromium.close();
}

