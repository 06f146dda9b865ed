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
