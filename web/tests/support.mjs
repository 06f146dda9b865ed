// What the page's tests share: Chromium with a profile of its own, the page
// opened from disk with every other request refused and counted, and the
// window's form as the tests' reference.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
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
