// At 1x the page's canvas holds the very pixels that the window draws, as
// `amsim --export` writes them, at the same parameters. Only the printed
// labels may differ: the browser's font draws them.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, it } from 'node:test';

import { FORM, canvasPixels, launch, open, readPng, savedFile } from './support.mjs';

const AMSIM =
    process.env.AMSIM_EXECUTABLE ??
    fileURLToPath(new URL('../../build/ci/src/cli/amsim', import.meta.url));

// The settings of the lessons: AM, DSB, SSB with and without carrier, the
// phase at 90 and 180 degrees, over-modulation, typed odd values, the
// envelope detector on, the scales on in several of them, noise in the
// channel and a drifting carrier. Where time moves the picture, the page and
// the command line draw the same instant (tiempo).
const SETTINGS = [
    ['AM at the start values', { mdl: '1', vcc: '1', bli: '1', bls: '1', fase: '0' }],
    ['DSB', { mdl: '1', vcc: '0', bli: '1', bls: '1', fase: '0' }],
    ['SSB, upper sideband', { mdl: '1', vcc: '1', bli: '0', bls: '1', fase: '0' }],
    ['SSB without carrier', { mdl: '1', vcc: '0', bli: '1', bls: '0', fase: '30' }],
    ['phase 90', { mdl: '1', vcc: '1', bli: '1', bls: '1', fase: '90' }],
    ['phase 180', { mdl: '1', vcc: '1', bli: '1', bls: '1', fase: '180' }],
    ['over-modulation', { mdl: '2', vcc: '0.8', bli: '1', bls: '1', fase: '0' }],
    ['negative level, odd factors', { mdl: '1.4', vcc: '-0.6', bli: '1.5', bls: '0.5', fase: '-1000' }],
    ['the envelope detector beside the product detector', { mdl: '2', vcc: '1', bli: '1', bls: '1', fase: '0', env: '1' }],
    ['the scales at the start values', { mdl: '1', vcc: '1', bli: '1', bls: '1', fase: '0', escalas: '1' }],
    ['the scales in DSB at phase 90', { mdl: '1', vcc: '0', bli: '1', bls: '1', fase: '90', escalas: '1' }],
    ['the scales, over-modulated, with the envelope detector', { mdl: '2', vcc: '0.8', bli: '1', bls: '1', fase: '0', env: '1', escalas: '1' }],
    ['the scales with a negative level', { mdl: '1.4', vcc: '-0.6', bli: '1.5', bls: '0.5', fase: '-1000', escalas: '1' }],
    ['noise in AM, both detectors', { mdl: '1', vcc: '1', bli: '1', bls: '1', fase: '0', env: '1', ruido: '0.2', tiempo: '0' }],
    ['noise in SSB, the narrow filter', { mdl: '1', vcc: '0', bli: '0', bls: '1', fase: '30', ruido: '0.05', tiempo: '0' }],
    ['noise at a later instant', { mdl: '1', vcc: '1', bli: '1', bls: '1', fase: '0', ruido: '0.05', tiempo: '0.3' }],
    ['DSB with a drifting carrier', { mdl: '1', vcc: '0', bli: '1', bls: '1', fase: '0', df: '1', tiempo: '0.125' }],
    ['SSB drifting fast, with the scales', { mdl: '1', vcc: '0', bli: '1', bls: '0', fase: '0', df: '100', tiempo: '12.3456', escalas: '1' }],
    ['2 ms a division, drifting in noise, peak-detected', { mdl: '1', vcc: '0.5', bli: '1', bls: '1', fase: '0', env: '1', ruido: '0.05', df: '100', tiempo: '0.125', base: '2' }],
    ['0.1 ms a division, with the envelope detector', { mdl: '2', vcc: '0.8', bli: '1', bls: '1', fase: '0', env: '1', escalas: '1', base: '0.1' }],
    ['the analyser in noise, with the envelope detector', { mdl: '1', vcc: '1', bli: '1', bls: '1', fase: '0', env: '1', ruido: '0.05', tiempo: '0.3', analizador: '1' }],
    ['the analyser on drifting DSB, with the scales', { mdl: '1', vcc: '0', bli: '1', bls: '1', fase: '0', df: '50', tiempo: '3.2', escalas: '1', analizador: '1' }],
];
const WINDOW_FACE = [239, 239, 239];
// Where the analyser prints each display's reference level, and the audio's
// divisions and resolution.
const ANALYSER_LABELS = [
    { left: 760, top: 60, right: 830, bottom: 78 },
    { left: 730, top: 342, right: 800, bottom: 360 },
    { left: 730, top: 592, right: 900, bottom: 610 },
];
// Where the label "modulante + Vcc" is printed, below the generator's axis.
const LABEL = { left: 0, top: 81, right: 100, bottom: 97 };
// Where the scales print their labels: the time under the lowest trace, the
// volts per division at each strip's right end, each spectrum's frequencies
// under its baseline and its amplitude beside its mark.
const SCALE_LABELS = [
    { left: 0, top: 665, right: 645, bottom: 682 },
    ...[80, 145, 230, 305, 415, 600].map((axis) => ({ left: 588, top: axis + 2, right: 645, bottom: axis + 18 })),
    ...[100, 400, 650].map((y) => ({ left: 726, top: y + 6, right: 952, bottom: y + 22 })),
    ...[80, 360, 610].map((y) => ({ left: 762, top: y - 6, right: 808, bottom: y + 10 })),
];

const inside = (r, x, y) => x >= r.x && y >= r.y && x < r.x + r.width && y < r.y + r.height;
const fronts = FORM.controls.filter((c) => ['QLineEdit', 'QPushButton'].includes(c.kind)).map((c) => c.geometry);
const faces = FORM.controls.filter((c) => c.kind === 'QLabel').map((c) => c.geometry);

let chromium;
let work;
before(async () => {
    assert.ok(existsSync(AMSIM), `the window's program is not built: ${AMSIM} (AMSIM_EXECUTABLE names it)`);
    chromium = await launch();
    work = mkdtempSync(join(tmpdir(), 'amsim-pixels-'));
});
after(async () => {
    await chromium?.close();
    rmSync(work, { recursive: true, force: true });
});

// A binary PPM (P6), 8 bits a channel, as RGB bytes. Its header may hold
// comments; exactly one blank follows the largest value.
function readPpm(file) {
    const blanks = String.raw`(?:\s|#[^\n]*\n)+`;
    const header = new RegExp(`^P6${blanks}(\\d+)${blanks}(\\d+)${blanks}(\\d+)\\s`)
        .exec(file.toString('latin1', 0, 256));
    if (!header) {
        throw new Error(`not a binary PPM: ${JSON.stringify(file.toString('latin1', 0, 16))}`);
    }
    const [width, height, largest] = header.slice(1).map(Number);
    const rgb = file.subarray(header[0].length);
    if (largest !== 255 || rgb.length !== width * height * 3) {
        throw new Error(`PPM of a kind not read here: ${JSON.stringify(header[0])}, ${rgb.length} bytes`);
    }
    return { width, height, rgb };
}

function exported(name, settings) {
    const file = join(work, `${name.replace(/\W+/g, '_')}.ppm`);
    const options = Object.entries(settings).flatMap(([option, text]) => [`--${option}`, text]);
    execFileSync(AMSIM, ['--export', file, ...options], {
        env: { ...process.env, LC_ALL: 'C.UTF-8', QT_QPA_PLATFORM: 'offscreen' },
    });
    return readPpm(readFileSync(file));
}

// Every pixel the export shows of the drawing: where the canvas is drawn the
// export has its colour; where it is not, the export shows the window's face,
// unless a label or the picture lies there. Boxes and buttons lie in front of
// the drawing in both, and are left out.
function differences(canvas, exportedWindow, labels) {
    const found = [];
    for (let y = 0; y < 700; ++y) {
        for (let x = 0; x < 952; ++x) {
            if (labels.some((l) => x >= l.left && x < l.right && y >= l.top && y < l.bottom) ||
                fronts.some((r) => inside(r, x, y))) {
                continue;
            }
            const i = (y * 952 + x) * 4;
            const at = (y * 952 + x) * 3;
            const shown = [...exportedWindow.rgb.subarray(at, at + 3)];
            const alpha = canvas[i + 3];
            const expected = alpha === 255 ? [...canvas.subarray(i, i + 3)] : WINDOW_FACE;
            if (alpha !== 0 && alpha !== 255) {
                found.push(`(${x}, ${y}) blended, alpha ${alpha}`);
            } else if ((alpha === 255 || !faces.some((r) => inside(r, x, y))) &&
                       shown.some((v, k) => v !== expected[k])) {
                found.push(`(${x}, ${y}) page ${expected} window ${shown}`);
            }
        }
    }
    return found;
}

for (const [name, settings] of SETTINGS) {
    it(`draws ${name} as the window does`, async () => {
        // The page starts at the settings its address gives, as a lesson's link does.
        const { page } = await open(chromium.browser, { query: `?lang=en-US&${new URLSearchParams(settings)}` });
        assert.equal(await page.$eval('#message', (e) => e.hidden), true);
        // The window, taller where its readout needs the room.
        const window = exported(name, settings);
        assert.ok(window.width === 952 && window.height >= 760, `${window.width}x${window.height}`);
        const labels = [LABEL, ...(settings.escalas === '1' ? SCALE_LABELS : []),
            ...(settings.analizador === '1' ? ANALYSER_LABELS : [])];
        const found = differences(await canvasPixels(page), window, labels);
        assert.equal(found.length, 0, `${found.length} pixels differ, first: ${found.slice(0, 5).join('; ')}`);
        await page.close();
    });
}

// The saved picture holds the drawing as the page shows it at 1x, at the
// instant on screen, whatever the screen: the window's pixels where it is
// drawn, and the face elsewhere. The labels and the picture beneath it are
// the browser's, and left out.
for (const [name, settings] of [SETTINGS[2], SETTINGS[13], SETTINGS[16]]) {
    it(`saves ${name} as the drawing the window shows`, async () => {
        const { page, refused } = await open(chromium.browser, { query: `?lang=en-US&${new URLSearchParams(settings)}`, scale: 2 });
        const saved = await savedFile(page, 'GuardarImagen');
        assert.match(saved.name, /^amsim-(am|dsb|ssb)\.png$/);
        const png = readPng(saved.bytes);
        assert.ok(png.width === 952 && png.height >= 760, `${png.width}x${png.height}`);
        const beneath = faces.map((r) => ({ left: r.x, top: r.y, right: r.x + r.width, bottom: r.y + r.height }));
        const found = differences(png.rgba, exported(name, settings), [LABEL, ...beneath]);
        assert.equal(found.length, 0, `${found.length} pixels differ, first: ${found.slice(0, 5).join('; ')}`);
        assert.deepEqual(refused, []);
        await page.close();
    });
}
