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

import { EVENTUALLY, FORM, canvasPixels, launch, open, readPng, savedFile } from './support.mjs';

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
    ['spectra of drifting DSB with noise and the envelope detector', 'GuardarEspectro', '--export-espectro',
        'amsim-dsb-espectro.csv',
        { mdl: '1', vcc: '0', bli: '1', bls: '1', fase: '0', env: '1', ruido: '0.05', df: '50', tiempo: '3.2' }],
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
// instant on screen, the samples the saved sound holds; and none is scheduled
// more than 0.77 s ahead of what is heard, so a change is heard within that.
it('plays the samples of the saved sound and stays within 0.77 s of the setting', async () => {
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
    await page.waitForFunction(() => window.played.length >= 9600, EVENTUALLY);
    await page.click('#Escuchar');
    assert.equal(await pressed(), 'false');
    const { played, leads } = await page.evaluate(() => ({ played: window.played.slice(0, 9600), leads: window.leads }));
    const wav = (await savedFile(page, 'GuardarSonido')).bytes;
    assert.equal(wav.toString('latin1', 0, 4), 'RIFF');
    const off = played.map((v, i) => [i, Math.round(v * 32767) - wav.readInt16LE(44 + 2 * i)]).filter(([, d]) => Math.abs(d) > 1);
    assert.deepEqual(off.slice(0, 5), [], `${off.length} samples differ`);
    assert.ok(Math.max(...played) > 0.1, 'the sound is not silent');
    assert.ok(Math.max(...leads) <= 0.77, `scheduled ${Math.max(...leads)} s ahead`);
    assert.deepEqual(refused, []);
    await page.close();
});

// The saved image is the whole bench at 1x as the window's layout shows it,
// composed by the page from the form's design whatever the layout on screen.
const BENCH_SETTING = '?lang=es-ES&vcc=0&df=1&tiempo=0.125&escalas=1';
const WINDOW_LAYOUT = { width: 1000, height: 760, scale: 1 };
// At the window's pixel ratio: at others the browser places letters on
// fractions of a pixel, a little otherwise.
const PHONE_LAYOUT = { width: 390, height: 844, scale: 1 };
const FACE = [239, 239, 239];
const geometry = (name) => FORM.controls.find((c) => c.name === name).geometry;
const inside = (r, x, y) => x >= r.x && y >= r.y && x < r.x + r.width && y < r.y + r.height;
const fronts = FORM.controls.filter((c) => ['QLineEdit', 'QPushButton'].includes(c.kind)).map((c) => c.geometry);
const faces = FORM.controls.filter((c) => c.kind === 'QLabel').map((c) => c.geometry);

async function savedBench(layout) {
    const { page, refused } = await open(chromium.browser, { query: BENCH_SETTING, ...layout });
    const canvas = await canvasPixels(page);
    const png = readPng((await savedFile(page, 'GuardarImagen')).bytes);
    assert.deepEqual(refused, []);
    await page.close();
    return { canvas, png };
}

// How many pixels of a rectangle hold a colour the test accepts.
function count(png, { x, y, width, height }, accept) {
    let found = 0;
    for (let row = y; row < y + height; ++row) {
        for (let column = x; column < x + width; ++column) {
            const at = (row * png.width + column) * 4;
            found += accept([...png.rgba.subarray(at, at + 3)]) ? 1 : 0;
        }
    }
    return found;
}
const dark = (rgb) => rgb.every((v) => v < 128);

it('saves the whole bench: the drawing as the canvas shows it, a box and the readout', async () => {
    const { canvas, png } = await savedBench(WINDOW_LAYOUT);
    assert.deepEqual([png.width, png.height], [952, 760]);
    // Where the traces are: the canvas's pixel where it is drawn, the face
    // where it is not and no label lies; the buttons at the top are in front.
    const found = [];
    let drawn = 0;
    for (let y = 0; y < 700; ++y) {
        for (let x = 0; x < 640; ++x) {
            const at = (y * 952 + x) * 4;
            const shown = [...png.rgba.subarray(at, at + 4)];
            const opaque = canvas[at + 3] === 255;
            drawn += opaque ? 1 : 0;
            const expected = opaque ? [...canvas.subarray(at, at + 3), 255] : [...FACE, 255];
            if (!fronts.some((r) => inside(r, x, y)) && (opaque || !faces.some((r) => inside(r, x, y))) &&
                shown.some((v, k) => v !== expected[k])) {
                found.push(`(${x}, ${y}) saved ${shown} shown ${expected}`);
            }
        }
    }
    assert.ok(drawn > 10000, `only ${drawn} pixels drawn`);
    assert.equal(found.length, 0, `${found.length} pixels differ, first: ${found.slice(0, 5).join('; ')}`);
    // The box V(cc), white inside its frame, holds its 0; the readout's first line is written.
    const vcc = geometry('Vcc');
    const inner = { x: vcc.x + 2, y: vcc.y + 2, width: vcc.width - 4, height: vcc.height - 4 };
    assert.ok(count(png, inner, (rgb) => rgb.every((v) => v === 255)) > inner.width * inner.height / 2, 'V(cc) is not a box');
    assert.ok(count(png, inner, dark) > 5, 'V(cc) holds no value');
    assert.ok(count(png, { x: 0, y: 700, width: 150, height: 16 }, dark) > 20, 'the readout is not written');
});

it('saves the same bench from a phone\'s layout', async () => {
    const { png: window } = await savedBench(WINDOW_LAYOUT);
    const { png: phone } = await savedBench(PHONE_LAYOUT);
    assert.deepEqual([phone.width, phone.height], [952, 760]);
    const differing = window.rgba.filter((v, i) => v !== phone.rgba[i]).length;
    assert.equal(differing, 0, `${differing} bytes differ`);
});
