// The page in another language: started from the address or the choice the
// browser kept, chosen in the menu's overlay, and laid out at a phone's, a
// laptop's and a large screen's size with no Spanish word left, no text cut
// off and no controls overlapping that do not in Spanish.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { fileURLToPath } from 'node:url';

import { address, launch, open, shown } from './support.mjs';

let chromium;
before(async () => { chromium = await launch(); });
after(async () => { await chromium?.close(); });

// A catalogue's texts by key, as its header writes them (a text may be
// several literals, one after the other).
function catalogue(file) {
    const source = readFileSync(join(fileURLToPath(new URL('../..', import.meta.url)), 'src', 'texts', file), 'utf8');
    const entries = source.matchAll(/\{"([\w.]+)",\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\}/g);
    return new Map([...entries].map(([, key, literals]) =>
        [key, [...literals.matchAll(/"((?:[^"\\]|\\.)*)"/g)].map(([literal]) => JSON.parse(literal)).join('')]));
}
const CATALOGUES = { es: catalogue('Spanish.h'), en: catalogue('English.h'), pt: catalogue('Portuguese.h') };

const wordsOf = (texts) => new Set([...texts].flatMap((text) => text.toLowerCase().match(/\p{L}{4,}/gu) ?? []));

// The Spanish words a page in that language must not show: those of the
// Spanish texts its own catalogue never uses.
function spanishOnly(language) {
    const own = wordsOf(CATALOGUES[language].values());
    return [...wordsOf(CATALOGUES.es.values())].filter((word) => !own.has(word));
}

const KEY = 'amsim.idioma';

// The page with the browser's kept language set (a tag), none (null), its
// storage refused ('refused') or left as it is (undefined), and everything
// the console says.
async function openWith({ query = '', stored, width = 1000, height = 760 } = {}) {
    const said = [];
    const prepare = async (tab) => {
        tab.on('console', (m) => said.push(`${m.type()}: ${m.text()}`));
        tab.on('pageerror', (e) => said.push(`error: ${e.message}`));
        if (stored === undefined) {
            return;
        }
        await tab.evaluateOnNewDocument((key, kept) => {
            if (kept === 'refused') {
                Object.defineProperty(window, 'localStorage', {
                    get: () => { throw new DOMException('refused', 'SecurityError'); },
                });
            } else if (kept === null) {
                localStorage.removeItem(key);
            } else {
                localStorage.setItem(key, kept);
            }
        }, KEY, stored);
    };
    const { page } = await open(chromium.browser, { query, width, height, prepare });
    return { page, said };
}

// What the page shows: its visible words, the visible texts cut off by their
// boxes, and the pairs of visible controls whose boxes overlap.
function layoutOf() {
    // Neither hidden nor only said (the announcement, clipped to nothing).
    const visible = (e) => e.checkVisibility({ visibilityProperty: true }) && e.getClientRects().length > 0 && !e.closest('.unseen');
    const texts = [...document.querySelectorAll('body *')].filter((e) => visible(e) &&
        [...e.childNodes].some((n) => n.nodeType === Node.TEXT_NODE && n.textContent.trim()));
    const cut = texts.filter((e) => {
        const oneLine = getComputedStyle(e).whiteSpace === 'nowrap' ||
            e.matches('button, .label:not(.wrap), .stage-name');
        return e.scrollWidth > e.clientWidth || (oneLine && e.scrollHeight > e.clientHeight);
    }).map((e) => e.id || e.textContent);
    const controls = [...document.querySelectorAll('#Form1 .front, #Form1 .label, .stage-name')].filter(visible);
    const overlapping = [];
    controls.forEach((a, at) => controls.slice(at + 1).forEach((b) => {
        const [p, q] = [a.getBoundingClientRect(), b.getBoundingClientRect()];
        if (p.left < q.right - 0.5 && q.left < p.right - 0.5 && p.top < q.bottom - 0.5 && q.top < p.bottom - 0.5) {
            overlapping.push(`${a.id || a.textContent}|${b.id || b.textContent}`);
        }
    }));
    const words = texts.flatMap((e) => e.textContent.toLowerCase().match(/\p{L}{4,}/gu) ?? []);
    return { words, cut, overlapping };
}

const SIZES = [['phone', 390, 844], ['laptop', 1366, 657], ['large', 2560, 1440]];

describe('the page in each language at each size', () => {
    // The Spanish page comes first at each size: what overlaps there is the
    // design's. Its row checks the word check against words it does show.
    const formWords = [...wordsOf([...CATALOGUES.es].filter(([key]) => /^form\.\w+\.text$/.test(key)).map(([, text]) => text))];
    const rows = [
        { name: 'Spanish, against its own captions', query: '', banned: formWords, found: true },
        { name: 'English', query: '?idioma=en', banned: spanishOnly('en'), found: false },
        { name: 'Portuguese', query: '?idioma=pt', banned: spanishOnly('pt'), found: false },
    ];
    for (const [size, width, height] of SIZES) {
        it(`shows no Spanish word, no cut text and no new overlap: ${size}`, async () => {
            let spanishOverlaps = null;
            for (const { name, query, banned, found } of rows) {
                const { page, said } = await openWith({ query, stored: null, width, height });
                const { words, cut, overlapping } = await page.evaluate(layoutOf);
                assert.ok(words.length > 0, `${name}: nothing shown`);
                const spanish = words.filter((word) => banned.includes(word));
                assert.equal(spanish.length > 0, found, `${name}: ${spanish}`);
                assert.deepEqual(cut, [], name);
                spanishOverlaps ??= overlapping;
                assert.deepEqual(overlapping.filter((pair) => !spanishOverlaps.includes(pair)), [], name);
                assert.deepEqual(said, [], name);
                await page.close();
            }
        });
    }
});

describe('the language at start', () => {
    const unknown = (language) => CATALOGUES[language].get('error.unknownLanguage').split('{')[0];
    const rows = [
        { name: 'asked for', query: '?idioma=pt', stored: 'en', language: 'pt', message: '' },
        { name: 'kept from last time', query: '', stored: 'pt', language: 'pt', message: '' },
        { name: 'kept, of no catalogue', query: '', stored: 'zz', language: 'es', message: '' },
        { name: 'asked for, of no catalogue', query: '?idioma=xx', stored: null, language: 'es', message: unknown('es') },
        { name: 'of no catalogue, with one kept', query: '?idioma=xx', stored: 'en', language: 'en', message: unknown('en') },
        { name: 'asked for, with no storage', query: '?idioma=en', stored: 'refused', language: 'en', message: '' },
    ];
    it('is the one asked for, else the one kept, else Spanish, its block diagram shown; one of no catalogue is told',
        async () => {
        for (const { name, query, stored, language, message } of rows) {
            const { page, said } = await openWith({ query, stored });
            const shownNow = await page.evaluate(() => ({
                lang: document.documentElement.lang,
                menu: document.getElementById('Idioma').textContent,
                diagrams: [...document.querySelectorAll('.picture svg')].filter((d) => d.checkVisibility())
                    .map((d) => d.dataset.language),
                message: document.getElementById('message').hidden ? '' : document.getElementById('message-text').textContent,
            }));
            assert.equal(shownNow.lang, language, name);
            assert.equal(shownNow.menu, CATALOGUES[language].get('menu.Idioma'), name);
            assert.deepEqual(shownNow.diagrams, [language], name);
            if (message) {
                assert.ok(shownNow.message.startsWith(message) && shownNow.message.includes('xx'), `${name}: ${shownNow.message}`);
            } else {
                assert.equal(shownNow.message, '', name);
            }
            // The address carries the language once, only where it is not Spanish.
            assert.deepEqual(new URL(await address(page)).searchParams.getAll('idioma'),
                language === 'es' ? [] : [language], name);
            assert.deepEqual(said, [], name);
            await page.close();
        }
    });
});

describe('the menu\'s languages', () => {
    it('relabel the page at once when one is chosen, which the next start keeps', async () => {
        const { page, said } = await openWith({ stored: null });
        // A teacher's dialog left open, with a tick and a tolerance entered.
        await page.click('#Menu');
        await page.click('#CrearEjercicio');
        await page.click('#ocultar-fase');
        await page.type('#exercise-tolerance', '2');
        await page.$eval('#Menu', (button) => button.click());
        await page.$eval('#Idioma', (item) => item.click());
        const choices = await page.$$eval('#Idioma-panel button[lang]',
            (buttons) => buttons.map((b) => [b.lang, b.textContent, b.getAttribute('aria-pressed')]));
        assert.deepEqual(choices, ['es', 'en', 'pt'].map((tag) =>
            [tag, CATALOGUES[tag].get('language.name'), String(tag === 'es')]));
        await page.click('#Idioma-panel button[lang="en"]');
        await shown(page);
        const relabelled = (tab = page) => tab.evaluate((key) => ({
            lang: document.documentElement.lang,
            menu: document.getElementById('Idioma').textContent,
            kept: localStorage.getItem(key),
            idioma: new URL(location.href).searchParams.getAll('idioma'),
        }), KEY);
        const chosen = { lang: 'en', menu: CATALOGUES.en.get('menu.Idioma'), kept: 'en', idioma: ['en'] };
        assert.deepEqual(await relabelled(), chosen);
        assert.deepEqual(await page.evaluate(() => ({
            fase: document.getElementById('ocultar-fase').checked,
            tolerance: document.getElementById('exercise-tolerance').value,
            title: document.querySelector('#CrearEjercicio-panel h2').textContent,
        })), { fase: true, tolerance: '2', title: CATALOGUES.en.get('menu.CrearEjercicio') });
        // The overlay, opened again, marks English.
        await page.click('#Menu');
        await page.click('#Idioma');
        assert.equal(await page.$eval('#Idioma-panel button[aria-pressed="true"]', (b) => b.lang), 'en');
        assert.deepEqual(said, []);
        await page.close();
        // Started again from the address without idioma=, the page is in English.
        const again = await openWith();
        assert.deepEqual(await relabelled(again.page), chosen);
        await again.page.close();
    });
});
