// The bench's running time on the page, on a clock the test sets: live while
// the carrier drifts or the channel is noisy, frames only then; Pausa and
// Space stop it at the instant on screen; a link holds that instant.
import assert from 'node:assert/strict';
import { pathToFileURL } from 'node:url';
import { after, before, describe, it } from 'node:test';

import {
    EVENTUALLY, PAGE, address, advance, canvasDigest, catchDownloads, countFrameRequests, download, launch, open,
    readPng, readout, savedFile, shown, useTestClock,
} from './support.mjs';

let chromium;
before(async () => {
    chromium = await launch();
});
after(async () => {
    await chromium?.close();
});

const pressed = (page) => page.$eval('#Pausa', (e) => e.getAttribute('aria-pressed'));
const instant = (page) => page.evaluate(() => window.amsim.instant());
// Whether the page waits for a frame of the display: a live bench always does.
const awaitsFrame = async (page) => {
    await shown(page);
    return page.evaluate(() => window.framesAwaited.size > 0);
};
const onTestClock = async (page) => {
    await countFrameRequests(page);
    await useTestClock(page);
};
const openAt = (query) => open(chromium.browser, { query, prepare: onTestClock });

// The same numbers for every run: mulberry32.
function seeded(seed) {
    let state = seed;
    return () => {
        state = (state + 0x6d2b79f5) | 0;
        let t = Math.imul(state ^ (state >>> 15), 1 | state);
        t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

async function copiedLink(page) {
    await page.evaluate(() => {
        navigator.clipboard.writeText = (text) => {
            window.copied = text;
            return Promise.resolve();
        };
    });
    await page.click('#Menu');
    await page.click('#CopiarEnlace');
    return page.evaluate(() => window.copied);
}

describe('running time', () => {
    // Each row: its address, whether the bench is live, the instant a link gives.
    const rows = [
        ['the start values', '', false, null],
        ['a drift too small to move a pixel', '?vcc=0&df=1e-320', false, null],
        ['a link to an instant of a drifting carrier', '?vcc=0&df=1&tiempo=0.125', false, 0.125],
        ['the same instant in the page\'s own notation', '?lang=es-ES&vcc=0&df=1&tiempo=0,125', false, 0.125],
        ['a link to the latest instant', '?vcc=0&df=1&tiempo=1000000', false, 1e6],
        ['a drifting carrier', '?vcc=0&df=1', true, null],
        ['a noisy channel', '?ruido=0.05', true, null],
    ];
    for (const [name, query, live, linked] of rows) {
        it(`${live ? 'moves until paused' : 'stands still, asking for no frame'}: ${name}`, async () => {
            const { page } = await openAt(query);
            assert.equal(await awaitsFrame(page), live);
            assert.equal(await pressed(page), linked === null ? 'false' : 'true');
            if (linked !== null) {
                assert.equal(await instant(page), linked);
                await page.click('#Pausa');
                assert.equal(await awaitsFrame(page), linked < 1e6, 'runs on, but not past the latest instant');
            }
            if (live) {
                const first = await canvasDigest(page);
                await advance(page, 0.25);
                assert.notEqual(await canvasDigest(page), first, 'the picture moved');
                await page.click('#Pausa');
                assert.equal(await pressed(page), 'true');
                assert.equal(await awaitsFrame(page), false);
                await page.click('#Pausa');
                assert.equal(await awaitsFrame(page), true, 'moves again');
            }
            await page.close();
        });
    }

    it('pauses and resumes with Space on the drawing, not in a box', async () => {
        const { page } = await openAt('?vcc=0&df=1');
        await page.focus('#canvas');
        await page.keyboard.press('Space');
        assert.equal(await pressed(page), 'true');
        await page.keyboard.press('Space');
        assert.equal(await pressed(page), 'false');
        await page.focus('#fase');
        await page.keyboard.press('Space');
        assert.equal(await pressed(page), 'false');
        await page.close();
    });

    // Twenty pauses at moments of a drifting bench: the picture on screen
    // stays what it was, and every redraw while paused (Enter, the scales on
    // and off, a viewport that draws the canvas at another scale and back)
    // draws it again with the same readout. The link names that instant with
    // at most three decimals; opened, it shows the same picture and readout.
    it('holds the instant on screen through every pause and redraw', async () => {
        const setting = '?lang=en-US&vcc=0&bls=0&df=100';
        const { page } = await openAt(setting);
        const random = seeded(30);
        for (let pause = 0; pause < 20; ++pause) {
            await advance(page, 0.002 + random() * 0.3);
            const shownInstant = await instant(page);
            const picture = await canvasDigest(page);
            // The click comes a moment after the frame, before the next one.
            await page.evaluate((by) => {
                window.testClock.set(window.testClock.get() + by);
                document.getElementById('Pausa').click();
            }, random() * 0.03);
            const lines = await readout(page);
            assert.equal(await instant(page), shownInstant);
            assert.equal(await canvasDigest(page), picture, `${pause}: the pause moved the picture`);
            await page.focus('#fase');
            await page.keyboard.press('Enter');
            await page.click('#EscalasSi');
            await page.click('#EscalasSi');
            await page.setViewport({ width: 1100, height: 840 });
            await page.waitForFunction(() => document.getElementById('canvas').width > 952, EVENTUALLY);
            await page.setViewport({ width: 1000, height: 760 });
            await page.waitForFunction(() => document.getElementById('canvas').width === 952, EVENTUALLY);
            assert.equal(await instant(page), shownInstant);
            assert.equal(await canvasDigest(page), picture, `${pause}: a redraw moved the picture`);
            assert.deepEqual(await readout(page), lines, `${pause}: a redraw changed the readout`);
            const link = await copiedLink(page);
            assert.equal(await address(page), link, 'the address holds it too');
            const tiempo = new URL(link).searchParams.get('tiempo');
            assert.match(tiempo, /^\d+(\.\d{1,3})?$/);
            assert.equal(Number(tiempo), shownInstant);
            if (pause % 5 === 0) {
                const { page: linked } = await open(chromium.browser, { query: link.slice(pathToFileURL(PAGE).href.length) });
                assert.equal(await pressed(linked), 'true');
                assert.equal(await instant(linked), shownInstant);
                assert.equal(await canvasDigest(linked), picture, `${tiempo}: the link shows another picture`);
                assert.deepEqual(await readout(linked), lines, `${tiempo}: the link shows another readout`);
                await linked.close();
            }
            await page.click('#Pausa');
        }
        await page.close();
    });

    // The whole bench's picture is composed a moment after the click, while
    // frames go on: its drawing and its readout are both of the click's instant.
    it('saves a live bench\'s picture and readout of one instant', async () => {
        const setting = '?lang=en-US&vcc=0&bls=0&df=100';
        const { page } = await openAt(setting);
        await advance(page, 1.5);
        await catchDownloads(page);
        const savedAt = await page.evaluate(() => {
            document.getElementById('GuardarImagen').click();
            window.testClock.set(window.testClock.get() + 0.7);
            return window.amsim.instant();
        });
        const live = readPng((await download(page)).bytes);
        await page.close();
        const { page: still } = await openAt(`${setting}&tiempo=${savedAt}`);
        const paused = readPng((await savedFile(still, 'GuardarImagen')).bytes);
        await still.close();
        // The readout's rows, and the drawing's beside the Pausa button.
        const rows = (png, top, bottom) => png.rgba.subarray(top * png.width * 4, bottom * png.width * 4);
        assert.ok(Buffer.from(rows(live, 700, 760)).equals(Buffer.from(rows(paused, 700, 760))), 'another readout');
        assert.ok(Buffer.from(rows(live, 0, 670)).equals(Buffer.from(rows(paused, 0, 670))), 'another drawing');
    });

    it('tells an instant it cannot read and starts at 0', async () => {
        const rows = [
            ['no number', 'lang=es-ES&tiempo=x', '«x»'],
            ['a comma in English', 'lang=en-US&tiempo=0,5', '«0,5»'],
            ['past the latest instant', 'lang=es-ES&tiempo=2e6', '«2e6»'],
            ['before the start', 'lang=es-ES&tiempo=-1', '«-1»'],
        ];
        for (const [name, given, quoted] of rows) {
            const { page } = await openAt(`?${given}&vcc=0&df=1`);
            const message = await page.evaluate(() =>
                (document.getElementById('message').hidden ? null : document.getElementById('message-text').textContent));
            assert.equal(message, 'El valor de tiempo= en la dirección debe ser un número de 0 a 1000000: ' +
                `${quoted}. El banco empieza en el instante 0.`, name);
            assert.equal(await pressed(page), 'false', name);
            assert.doesNotMatch(new URL(await address(page)).search, /tiempo/, name);
            await page.close();
        }
    });
});
