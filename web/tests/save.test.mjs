// The menu's saving items download what the command line writes for the
// same setting, with no request, byte for byte: the engine computes every
// sample with its own sine, so the browser's and the desktop's agree to the
// bit.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, it } from 'node:test';

import { launch, open, savedFile } from './support.mjs';

const AMSIM =
    process.env.AMSIM_EXECUTABLE ??
    fileURLToPath(new URL('../../build/ci/src/cli/amsim', import.meta.url));

const SAVED = [
    ['samples of DSB at phase 30', 'GuardarDatos', '--export-csv', 'amsim-dsb.csv',
        { mdl: '1', vcc: '0', bli: '1', bls: '1', fase: '30' }],
    ['samples with noise and the envelope detector', 'GuardarDatos', '--export-csv', 'amsim-am.csv',
        { mdl: '2', vcc: '0.8', bli: '1', bls: '1', fase: '0', env: '1', ruido: '0.05', tiempo: '0.3' }],
    ['sound of SSB, the lower sideband, with noise and drift', 'GuardarSonido', '--export-wav', 'amsim-ssb.wav',
        { mdl: '1', vcc: '0', bli: '1', bls: '0', fase: '0', ruido: '0.05', df: '2', tiempo: '0.125' }],
];

let chromium;
let work;
before(async () => {
    chromium = await launch();
    work = mkdtempSync(join(tmpdir(), 'amsim-save-'));
});
after(async () => {
    await chromium?.close();
    rmSync(work, { recursive: true, force: true });
});

function commandLines(option, name, settings) {
    const file = join(work, name);
    const options = Object.entries(settings).flatMap(([key, text]) => [`--${key}`, text]);
    execFileSync(AMSIM, [option, file, ...options], {
        env: { ...process.env, LC_ALL: 'C.UTF-8', QT_QPA_PLATFORM: 'offscreen' },
    });
    return readFileSync(file);
}

for (const [name, item, option, fileName, settings] of SAVED) {
    it(`downloads the ${name} as the command line writes them`, async () => {
        // The page in Spanish, with its comma: the file is the same.
        const { page, refused } = await open(chromium.browser, { query: `?lang=es-ES&${new URLSearchParams(settings)}` });
        const saved = await savedFile(page, item);
        assert.equal(saved.name, fileName);
        const expected = commandLines(option, fileName, settings);
        assert.ok(saved.bytes.equals(expected), `${name}: the bytes differ`);
        assert.deepEqual(refused, []);
        await page.close();
    });
}

// What the page hands to Web Audio is the engine's generator from the
// instant on screen, the samples the saved sound holds; and none is scheduled more than
// 100 ms ahead of what is heard, so a change is heard within that.
it('plays the samples of the saved sound and stays within 100 ms of the setting', async () => {
    const { page, refused } = await open(chromium.browser, { query: '?lang=en-US&mdl=1&vcc=0&bli=1&bls=1&fase=60&tiempo=0.0005' });
    await page.evaluate(() => {
        window.played = [];
        window.leads = [];
        const copy = AudioBuffer.prototype.copyToChannel;
        AudioBuffer.prototype.copyToChannel = function keep(samples, ...rest) {
            window.played.push(...samples);
            return copy.call(this, samples, ...rest);
        };
        const start = AudioBufferSourceNode.prototype.start;
        AudioBufferSourceNode.prototype.start = function note(when, ...rest) {
            window.leads.push(when + this.buffer.duration - this.context.currentTime);
            return start.call(this, when, ...rest);
        };
    });
    const pressed = () => page.$eval('#Escuchar', (e) => e.getAttribute('aria-pressed'));
    assert.equal(await pressed(), 'false');
    await page.click('#Escuchar');
    assert.equal(await pressed(), 'true');
    await page.waitForFunction(() => window.played.length >= 9600, { timeout: 10000 });
    await page.click('#Escuchar');
    assert.equal(await pressed(), 'false');
    const { played, leads } = await page.evaluate(() => ({ played: window.played.slice(0, 9600), leads: window.leads }));
    const wav = (await savedFile(page, 'GuardarSonido')).bytes;
    assert.equal(wav.toString('latin1', 0, 4), 'RIFF');
    const off = played.map((v, i) => [i, Math.round(v * 32767) - wav.readInt16LE(44 + 2 * i)]).filter(([, d]) => Math.abs(d) > 1);
    assert.deepEqual(off.slice(0, 5), [], `${off.length} samples differ`);
    assert.ok(Math.max(...played) > 0.1, 'the sound is not silent');
    assert.ok(Math.max(...leads) <= 0.1, `scheduled ${Math.max(...leads)} s ahead`);
    assert.deepEqual(refused, []);
    await page.close();
});
