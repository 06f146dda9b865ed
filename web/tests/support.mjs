// What the page's tests share: Chromium with a profile of its own, the page
// opened from disk with every other request refused and counted, and the
// window's form as the tests' reference.
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { inflateSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';

import { readForm } from '../tools/form.mjs';

const root = fileURLToPath(new URL('../..', import.meta.url));
export const PAGE = process.env.AMSIM_PAGE ?? join(root, 'build', 'web', 'amsim.html');
// The form with the texts the page's build gave its controls.
const ENGINE_DATA = JSON.parse(readFileSync(join(root, 'build', 'web', 'page-stages.json'), 'utf8'));
export const FORM = readForm(join(root, 'src', 'app', 'Form1.ui'), ENGINE_DATA.controls);

export async function launch() {
    const profile = mkdtempSync(join(tmpdir(), 'amsim-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        userDataDir: profile,
        args: [
            '--no-sandbox',
            '--disable-gpu',
            '--disable-background-networking',
            '--disable-component-update',
            '--disable-sync',
            '--no-first-run',
            '--font-render-hinting=none',
        ],
    });
    return {
        browser,
        async close() {
            await browser.close();
            rmSync(profile, { recursive: true, force: true });
        },
    };
}

// The page from disk, ready: the first picture drawn. `refused` lists every
// request beyond the page itself and its data: URLs, each of which was refused. `prepare` runs
// on the tab before the page loads.
export async function open(browser, { query = '', width = 1000, height = 760, scale = 1, prepare } = {}) {
    const page = await browser.newPage();
    await prepare?.(page);
    await page.setViewport({ width, height, deviceScaleFactor: scale });
    const url = pathToFileURL(PAGE).href + query;
    const refused = [];
    await page.setRequestInterception(true);
    // A data: URL is the page's own bytes (the pictures it draws), not a request.
    page.on('request', (request) => {
        if (request.url() === url || request.url().startsWith('data:')) {
            request.continue();
        } else {
            refused.push(request.url());
            request.abort();
        }
    });
    await page.goto(url);
    await page.waitForSelector('html[data-ready="true"]');
    await shown(page);
    return { page, refused };
}

// The page shows its drawing, readout, description and address at its next
// frame: what a test reads after an event is read once that frame is shown.
export const shown = (page) => page.evaluate(() => window.amsim.shown());

export async function described(page) {
    await shown(page);
    return page.$eval('#canvas-description', (e) => e.textContent);
}

export async function readout(page) {
    await shown(page);
    return page.$$eval('#Measurements > div', (lines) => lines.map((l) => l.textContent));
}

export async function address(page) {
    await shown(page);
    return page.evaluate(() => location.href);
}

// Counts in window.frameRequests the frames the page asks for from its start,
// and keeps in window.framesAwaited those it asked for and has not had yet.
export function countFrameRequests(page) {
    return page.evaluateOnNewDocument(() => {
        const request = window.requestAnimationFrame.bind(window);
        const cancel = window.cancelAnimationFrame.bind(window);
        window.frameRequests = 0;
        window.framesAwaited = new Set();
        window.requestAnimationFrame = (callback) => {
            ++window.frameRequests;
            const id = request((time) => {
                window.framesAwaited.delete(id);
                callback(time);
            });
            window.framesAwaited.add(id);
            return id;
        };
        window.cancelAnimationFrame = (id) => {
            window.framesAwaited.delete(id);
            cancel(id);
        };
    });
}

// The bench's time on a clock the test sets: performance.now, which the
// engine's steady clock reads, stands still until the test moves it.
export function useTestClock(page) {
    return page.evaluateOnNewDocument(() => {
        let seconds = 0;
        performance.now = () => seconds * 1000;
        window.testClock = {
            get: () => seconds,
            set: (to) => {
                seconds = to;
            },
        };
    });
}

// The page's timeouts on a clock the test sets: a callback set for later runs
// when window.testTimers.advance(ms) brings the clock to its time.
export function useTestTimers(page) {
    return page.evaluateOnNewDocument(() => {
        let now = 0;
        let next = 1;
        const due = new Map();
        window.setTimeout = (callback, ms = 0) => {
            due.set(next, { at: now + ms, callback });
            return next++;
        };
        window.clearTimeout = (id) => due.delete(id);
        window.testTimers = {
            advance: (ms) => {
                const until = now + ms;
                for (;;) {
                    const [id, first] = [...due].reduce((a, b) => (b[1].at < a[1].at ? b : a), [0, { at: Infinity }]);
                    if (first.at > until) {
                        break;
                    }
                    due.delete(id);
                    now = first.at;
                    first.callback();
                }
                now = until;
            },
        };
    });
}

// Polled on a timer, not on frames, which the tests count.
export const EVENTUALLY = { timeout: 120000, polling: 20 };

// The test clock moved on by so many seconds, and the frame at the new
// instant shown.
export async function advance(page, seconds) {
    const before = await page.evaluate(() => window.amsim.instant());
    await page.evaluate((by) => window.testClock.set(window.testClock.get() + by), seconds);
    await page.waitForFunction((was) => window.amsim.instant() !== was, EVENTUALLY, before);
    await shown(page);
}

export const value = (page, id) => page.$eval(`#${id}`, (box) => box.value);

export async function type(page, id, text) {
    await page.$eval(`#${id}`, (box, typed) => (box.value = typed), text);
}

// A digest of the canvas's size and RGBA bytes (FNV-1a), to compare pictures
// without carrying them out of the page.
export async function canvasDigest(page) {
    await shown(page);
    return page.$eval('#canvas', (canvas) => {
        const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        let hash = 0x811c9dc5;
        for (const byte of data) {
            hash = Math.imul(hash ^ byte, 16777619);
        }
        return `${canvas.width}x${canvas.height} ${hash >>> 0}`;
    });
}

// The canvas's RGBA bytes.
export async function canvasPixels(page) {
    await shown(page);
    const base64 = await page.$eval('#canvas', (canvas) => {
        const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        let binary = '';
        for (let i = 0; i < data.length; i += 0x8000) {
            binary += String.fromCharCode(...data.subarray(i, i + 0x8000));
        }
        return btoa(binary);
    });
    return new Uint8Array(Buffer.from(base64, 'base64'));
}

// What the menu's saving items hand the browser to keep is caught at the
// link the page clicks, with no request made.
export function catchDownloads(page) {
    return page.evaluate(() => {
        window.savedFiles = [];
        HTMLAnchorElement.prototype.click = function keep() {
            window.savedFiles.push({ name: this.download, url: this.href });
        };
        const create = URL.createObjectURL;
        URL.createObjectURL = (blob) => {
            const url = create(blob);
            window.savedBlobs = { ...window.savedBlobs, [url]: blob };
            return url;
        };
    });
}

// The first file caught, its name and bytes; the whole bench's picture is
// encoded a moment after the click.
export async function download(page) {
    await page.waitForFunction(() => window.savedFiles.length > 0, EVENTUALLY);
    const { name, base64 } = await page.evaluate(async () => {
        const [{ name: saved, url }] = window.savedFiles;
        const bytes = new Uint8Array(await window.savedBlobs[url].arrayBuffer());
        let binary = '';
        for (let i = 0; i < bytes.length; i += 0x8000) {
            binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
        }
        return { name: saved, base64: btoa(binary) };
    });
    return { name, bytes: Buffer.from(base64, 'base64') };
}

// What the menu's saving item saves: the file's name and bytes.
export async function savedFile(page, item) {
    await catchDownloads(page);
    await page.click('#Menu');
    await page.click(`#${item}`);
    return download(page);
}

// The byte a PNG row filter predicts from the left, upper and upper-left
// bytes (filters 1 to 4; 0 predicts nothing).
const PREDICTORS = [
    () => 0,
    (left) => left,
    (left, up) => up,
    (left, up) => (left + up) >> 1,
    (left, up, corner) => {
        const [a, b, c] = [Math.abs(up - corner), Math.abs(left - corner), Math.abs(left + up - 2 * corner)];
        return a <= b && a <= c ? left : b <= c ? up : corner;
    },
];

// A PNG of 8-bit RGBA without interlace, as the engine or the browser writes
// it, as its width, height and RGBA bytes.
export function readPng(file) {
    const chunks = [];
    for (let at = 8; at < file.length;) {
        const length = file.readUInt32BE(at);
        chunks.push({ type: file.toString('latin1', at + 4, at + 8), data: file.subarray(at + 8, at + 8 + length) });
        at += 12 + length;
    }
    const header = chunks.find((c) => c.type === 'IHDR').data;
    const [width, height] = [header.readUInt32BE(0), header.readUInt32BE(4)];
    if (header[8] !== 8 || header[9] !== 6) {
        throw new Error(`PNG of a kind not read here: depth ${header[8]}, colour type ${header[9]}`);
    }
    const raw = inflateSync(Buffer.concat(chunks.filter((c) => c.type === 'IDAT').map((c) => c.data)));
    const rgba = new Uint8Array(width * height * 4);
    for (let y = 0; y < height; ++y) {
        const row = raw.subarray(y * (width * 4 + 1), (y + 1) * (width * 4 + 1));
        const predict = PREDICTORS[row[0]];
        if (!predict) {
            throw new Error(`row ${y} has filter ${row[0]}`);
        }
        const at = y * width * 4;
        for (let x = 0; x < width * 4; ++x) {
            const left = x >= 4 ? rgba[at + x - 4] : 0;
            const up = y > 0 ? rgba[at + x - width * 4] : 0;
            const corner = y > 0 && x >= 4 ? rgba[at + x - width * 4 - 4] : 0;
            // The Uint8Array keeps the sum modulo 256, as PNG adds.
            rgba[at + x] = row[1 + x] + predict(left, up, corner);
        }
    }
    return { width, height, rgba };
}
