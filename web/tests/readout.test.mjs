// The readout under the drawing on the page: what the engine gives, the
// same lines as the window's, and "Sin medidas" while the picture is stale.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';

import { launch, open, readout, type } from './support.mjs';

let chromium;
before(async () => {
    chromium = await launch();
});
after(async () => {
    await chromium?.close();
});

describe('the readout', () => {
    it('says there are no measurements while a bad text keeps the picture stale', async () => {
        const { page } = await open(chromium.browser, { query: '?lang=en-US' });
        await type(page, 'fase', '180');
        await page.click('#FaseSubir');
        assert.equal((await readout(page))[9], 'Audio detectado: -0.428 V de pico (invertido), -1.2 dB');
        await type(page, 'Vcc', 'abc');
        await page.click('#FaseSubir');
        assert.deepEqual(await readout(page), ['Sin medidas: corrija «V(cc)»']);
        await type(page, 'Vcc', '1');
        await page.click('#FaseBajar');
        const lines = await readout(page);
        assert.equal(lines[0], 'Modo: AM');
        assert.equal(lines[10], 'Continua detectada: -0.25 V');
        await page.close();
    });
});

// Every line whole, with every capability on: no line's text runs past its
// box, the readout's or the bench's, on a phone, a laptop and a large screen.
describe('every readout line', () => {
    for (const [width, height, scale] of [[390, 844, 3], [1366, 657, 1], [1920, 1080, 1]]) {
        it(`is whole at ${width}×${height}`, async () => {
            const { page } = await open(chromium.browser, {
                query: '?ruido=0.5&env=1&df=2&escalas=1&tiempo=0.3&mdl=2&vcc=0.5&fase=170',
                width,
                height,
                scale,
            });
            const cut = await page.$$eval('#Measurements > div', (lines) => {
                const boxes = [lines[0].parentElement, document.getElementById('bench')]
                    .map((box) => box.getBoundingClientRect());
                return lines.filter((line) => {
                    const text = document.createRange();
                    text.selectNodeContents(line);
                    const { right, bottom } = text.getBoundingClientRect();
                    return [line.getBoundingClientRect(), ...boxes]
                        .some((box) => right > box.right + 0.5 || bottom > box.bottom + 0.5);
                }).map((line) => line.textContent);
            });
            assert.ok((await readout(page)).length > 16);
            assert.deepEqual(cut, []);
            await page.close();
        });
    }
});

