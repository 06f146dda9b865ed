// The bench's running time on the page: live while the carrier drifts or the
// channel is noisy, frames only then; Pausa and Space stop it; a link holds
// the instant of a picture that stands still.
import assert from 'node:assert/strict';
import { pathToFileURL } from 'node:url';
import { after, before, describe, it } from 'node:test';

import { PAGE, canvasPixels, countFrameRequests, launch, open } from './support.mjs';

let chromium;
before(async () => {
    chromium = await launch();
});
after(async () => {
    await chromium?.close();
});

const wait = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const same = (a, b) => a.length === b.length && a.every((v, i) => v === b[i]);
const pressed = (page) => page.$eval('#Pausa', (e) => e.getAttribute('aria-pressed'));
const frameRequests = (page) => page.evaluate(() => window.frameRequests);
const instant = (page) => page.evaluate(() => window.amsim.instant());

// Two pictures 250 ms apart, and the frames asked for meanwhile.
async function watch(page) {
    const requested = await frameRequests(page);
    const first = await canvasPixels(page);
    await wait(250);
    return { moved: !same(first, await canvasPixels(page)), frames: (await frameRequests(page)) - requested };
}

describe('running time', () => {
    // Each row: its address, whether the bench is live, the instant a link gives.
    const rows = [
        ['the start values', '', false, null],
        ['a link to an instant of a drifting carrier', '?vcc=0&df=1&tiempo=0.125', false, 0.125],
        ['the same instant in the page\'s own notation', '?lang=es-ES&vcc=0&df=1&tiempo=0,125', false, 0.125],
        ['a drifting carrier', '?vcc=0&df=1', true, null],
        ['a noisy channel', '?ruido=0.05', true, null],
    ];
    for (const [name, query, live, linked] of rows) {
        it(`${live ? 'moves until paused' : 'stands still, asking for no frame'}: ${name}`, async () => {
            const { page } = await open(chromium.browser, { query, prepare: countFrameRequests });
            const started = await watch(page);
            assert.equal(started.moved, live, 'the picture moved');
            assert.equal(started.frames > 0, live, `${started.frames} frames asked for`);
            assert.equal(await pressed(page), linked === null ? 'false' : 'true');
            if (linked !== null) {
                assert.equal(await instant(page), linked);
            }
            if (live) {
                await page.click('#Pausa');
                assert.equal(await pressed(page), 'true');
                assert.deepEqual(await watch(page), { moved: false, frames: 0 });
                await page.click('#Pausa');
                assert.equal((await watch(page)).moved, true, 'moves again');
            }
            await page.close();
        });
    }

    it('pauses and resumes with Space on the drawing, not in a box', async () => {
        const { page } = await open(chromium.browser, { query: '?vcc=0&df=1' });
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

    it('copies a paused picture\'s link with its instant, which shows the same picture', async () => {
        const { page } = await open(chromium.browser, { query: '?lang=en-US&vcc=0&bls=0&df=100' });
        await page.evaluate(() => {
            navigator.clipboard.writeText = (text) => {
                window.copied = text;
                return Promise.resolve();
            };
        });
        await page.click('#Pausa');
        const picture = await canvasPixels(page);
        await page.click('#Menu');
        await page.click('#CopiarEnlace');
        const link = await page.evaluate(() => window.copied);
        assert.match(link, /^file:.*\?lang=en-US&mdl=1&vcc=0&bli=1&bls=0&fase=0&env=0&df=100&tiempo=\d+(\.\d+)?$/);
        const tiempo = Number(new URL(link).searchParams.get('tiempo'));
        assert.ok(Math.abs(tiempo - (await instant(page))) < 1e-9, `${tiempo} is not the instant on screen`);
        assert.equal(await page.evaluate(() => location.href), link, 'the address holds it too');
        await page.close();

        const { page: linked } = await open(chromium.browser, { query: link.slice(pathToFileURL(PAGE).href.length) });
        assert.equal(await pressed(linked), 'true');
        assert.equal(await instant(linked), tiempo);
        assert.ok(same(picture, await canvasPixels(linked)), 'the link shows another picture');
        await linked.close();
    });

    it('tells an instant it cannot read and starts at 0', async () => {
        const rows = [
            ['no number', 'lang=es-ES&tiempo=x', '«x»'],
            ['a comma in English', 'lang=en-US&tiempo=0,5', '«0,5»'],
            ['past the latest instant', 'lang=es-ES&tiempo=2e6', '«2e6»'],
            ['before the start', 'lang=es-ES&tiempo=-1', '«-1»'],
        ];
        for (const [name, given, quoted] of rows) {
            const { page } = await open(chromium.browser, { query: `?${given}&vcc=0&df=1` });
            const shown = await page.evaluate(() => ({
                message: document.getElementById('message').hidden ? null : document.getElementById('message-text').textContent,
                search: location.search,
            }));
            assert.equal(shown.message, 'El valor de tiempo= en la dirección debe ser un número de 0 a 1000000: ' +
                `${quoted}. El banco empieza en el instante 0.`, name);
            assert.equal(await pressed(page), 'false', name);
            assert.doesNotMatch(shown.search, /tiempo/, name);
            await page.close();
        }
    });
});
