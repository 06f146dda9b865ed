// What the page's tests share: Chromium with a profile of its own, the page
// opened from disk with every other request refused and counted, and the
// window's form as the tests' reference.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { inflateSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';

import { readForm } from '../tools/form.mjs';

const root = fileURLToPath(new URL('../..', import.meta.url));
export const PAGE = process.env.AMSIM_PAGE ?? join(root, 'build', 'web', 'amsim.html');
export const FORM = readForm(join(root, 'src', 'app', 'Form1.ui'));

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
// request beyond the page itself, each of which was refused.
export async function open(browser, { query = '', width = 1000, height = 760, scale = 1 } = {}) {
    const page = await browser.newPage();
    await page.setViewport({ width, height, deviceScaleFactor: scale });
    const url = pathToFileURL(PAGE).href + query;
    const refused = [];
    await page.setRequestInterception(true);
    page.on('request', (request) => {
        if (request.url() === url) {
            request.continue();
        } else {
            refused.push(request.url());
            request.abort();
        }
    });
    await page.goto(url);
    await page.waitForSelector('html[data-ready="true"]');
    return { page, refused };
}

export const value = (page, id) => page.$eval(`#${id}`, (box) => box.value);

export async function type(page, id, text) {
    await page.$eval(`#${id}`, (box, typed) => (box.value = typed), text);
}

// The canvas's RGBA bytes.
export async function canvasPixels(page) {
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

// A PNG as RGBA bytes: 8-bit RGB or RGBA, not interlaced, as Qt writes it.
export function decodePng(file) {
    const chunks = [];
    let header;
    for (let at = 8; at < file.length; ) {
        const length = file.readUInt32BE(at);
        const type = file.toString('latin1', at + 4, at + 8);
        const data = file.subarray(at + 8, at + 8 + length);
        if (type === 'IHDR') {
            header = { width: data.readUInt32BE(0), height: data.readUInt32BE(4), depth: data[8], colour: data[9], interlace: data[12] };
        } else if (type === 'IDAT') {
            chunks.push(data);
        }
        at += 12 + length;
    }
    const channels = { 2: 3, 6: 4 }[header.colour];
    if (header.depth !== 8 || !channels || header.interlace !== 0) {
        throw new Error(`PNG of a kind not read here: ${JSON.stringify(header)}`);
    }
    const raw = inflateSync(Buffer.concat(chunks));
    const stride = header.width * channels;
    const rows = Buffer.alloc(stride * header.height);
    for (let y = 0; y < header.height; ++y) {
        const filter = raw[y * (stride + 1)];
        const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        for (let x = 0; x < stride; ++x) {
            const a = x >= channels ? rows[y * stride + x - channels] : 0;
            const b = y > 0 ? rows[(y - 1) * stride + x] : 0;
            const c = x >= channels && y > 0 ? rows[(y - 1) * stride + x - channels] : 0;
            const p = a + b - c;
            const pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
            const predictor = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
            rows[y * stride + x] = (line[x] + predictor) & 0xff;
        }
    }
    const rgba = new Uint8Array(header.width * header.height * 4);
    for (let i = 0; i < header.width * header.height; ++i) {
        rgba.set(rows.subarray(i * channels, i * channels + 3), i * 4);
        rgba[i * 4 + 3] = channels === 4 ? rows[i * channels + 3] : 255;
    }
    return { width: header.width, height: header.height, rgba };
}
