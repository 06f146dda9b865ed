// The page is the window's bench: its layout, its start, its buttons, its
// panels, its messages and its keyboard, checked in headless Chromium.
import assert from 'node:assert/strict';
import {statSync} from 'node:fs';
import {after, before, describe, it} from 'node:test';
import {pathToFileURL} from 'node:url';

import {pixelsOfPoints} from '../tools/form.mjs';

import {
    address,
    canvasPixels,
    described,
    EVENTUALLY,
    FORM,
    launch,
    open,
    PAGE,
    readout,
    savedFile,
    type,
    useTestTimers,
    value,
} from './support.mjs';

let chromium;
before(async () => { chromium = await launch(); });
after(async () => { await chromium?.close(); });

// A fresh page for each test, so that no test sees another's clicks.
async function fresh(options) { return open(chromium.browser, options); }

const boxes = () => ['mdl', 'Vcc', 'BliSiNo', 'BlsSiNo', 'fase', 'EnvelopeOnOff'];
const boxValues = (page) => Promise.all(boxes().map((id) => value(page, id)));
const drawn = async (page, x, y) => (await canvasPixels(page))[(y * 952 + x) * 4 + 3] === 255;
const same = (a, b) => a.length === b.length && a.every((v, i) => v === b[i]);

describe('the file', () => {
    it('is one file of at most 1.5 MB that makes no network request', async () => {
        assert.ok(statSync(PAGE).size <= 1.5 * 1024 * 1024, `${statSync(PAGE).size} bytes`);
        const {page, refused} = await fresh();
        assert.deepEqual(refused, []);
        assert.deepEqual(await boxValues(page), [ '1', '1', '1', '1', '0', '0' ]);
        await page.close();
    });
});

describe('the layout', () => {
    it('puts every control of the form where the form does, with its texts and fonts', async () => {
        // In Spanish notation the engine's step tooltips are the form's own.
        const {page} = await fresh({query : '?lang=es-ES'});
        const shown = await page.$$eval(
            '#Form1 [id]',
            (elements) => elements.map(
                (e) => ({
                    id : e.id,
                    box : [ e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight ],
                    text : e.tagName === 'INPUT' || e.tagName === 'TEXTAREA' ? null : e.textContent,
                    font : getComputedStyle(e).fontFamily,
                    size : getComputedStyle(e).fontSize,
                    weight : getComputedStyle(e).fontWeight,
                    name : e.getAttribute('aria-label'),
                    description :
                        document.getElementById(e.getAttribute('aria-describedby'))?.textContent,
                    title : e.getAttribute('title'),
                })),
        );
        const byId = new Map(shown.map((s) => [s.id, s]));
        assert.equal(FORM.controls.length, 58);
        for (const control of FORM.controls) {
            const element = byId.get(control.name);
            assert.ok(element, control.name);
            if (control.visible !== false) {
                const {x, y, width, height} = control.geometry;
                assert.deepEqual(element.box, [ x, y, width, height ], control.name);
            }
            if (control.text !== undefined && control.kind !== 'QLineEdit' &&
                control.name !== 'Measurements') {
                assert.equal(element.text, control.text, control.name);
            }
            assert.match(element.font, /^"Liberation Sans", Arimo, Arial/, control.name);
            const points = (control.font ?? FORM.properties.font).pointSize;
            assert.equal(element.size, `${pixelsOfPoints(points)}px`, control.name);
            assert.equal(element.weight, control.font?.bold ? '700' : '400', control.name);
            assert.equal(element.name, control.accessibleName, control.name);
            assert.equal(element.description, control.accessibleDescription, control.name);
            assert.equal(element.title, control.toolTip ?? null, control.name);
        }
        const drawing = byId.get('canvas');
        assert.deepEqual(drawing.box, [ 0, 0, 952, 700 ]);
        assert.equal(drawing.name, 'Osciloscopio y analizador de espectro');
        assert.equal(drawing.description, 'AM, modulación del 100 %, error de fase 0 grados');
        // Labels and the picture beneath the drawing, every box and button in front.
        const layer = (id) => page.$eval(`#${id}`, (e) => Number(getComputedStyle(e).zIndex));
        assert.ok((await layer('Image1')) < (await layer('canvas')));
        assert.ok((await layer('Label7')) < (await layer('canvas')));
        assert.ok((await layer('fase')) > (await layer('canvas')));
        assert.ok((await layer('ModulanteSubir')) > (await layer('canvas')));
        await page.close();
    });
});

describe('the buttons', () => {
    it('step and toggle their boxes and redraw, as in the window', async () => {
        const rows = [
            [ 'ModulanteSubir', 'mdl', '1.2' ],
            [ 'ModulanteBajar', 'mdl', '0.8' ],
            [ 'VccSubir', 'Vcc', '1.2' ],
            [ 'VccBajar', 'Vcc', '0.8' ],
            [ 'FaseSubir', 'fase', '30' ],
            [ 'FaseBajar', 'fase', '-30' ],
            [ 'BliSi', 'BliSiNo', '0' ],
            [ 'BlsSi', 'BlsSiNo', '0' ],
            [ 'EnvelopeToggle', 'EnvelopeOnOff', '1' ],
            [ 'EscalasSi', 'EscalasSiNo', '1' ],
        ];
        const {page} = await fresh({query : '?lang=en-US'});
        for (const [button, box, written] of rows) {
            await page.evaluate(() => {
                const starts = [
                    [ 'mdl', '1' ], [ 'Vcc', '1' ], [ 'BliSiNo', '1' ], [ 'BlsSiNo', '1' ],
                    [ 'fase', '0' ], [ 'EnvelopeOnOff', '0' ]
                ];
                for (const [id, start] of starts) {
                    document.getElementById(id).value = start;
                }
                window.amsim.redraw();
            });
            const before = await canvasPixels(page);
            await page.click(`#${button}`);
            assert.equal(await value(page, box), written, button);
            assert.ok(!same(before, await canvasPixels(page)), `${button} redrew nothing`);
        }
        // Down from 0.2 the modulating amplitude stops at 0.
        await type(page, 'mdl', '0.2');
        await page.click('#ModulanteBajar');
        await page.click('#ModulanteBajar');
        assert.equal(await value(page, 'mdl'), '0');
        await page.close();
    });

    it('repeat while held: 400 ms, then ten times a second', async () => {
        const {page} = await fresh({query : '?lang=en-US', prepare : useTestTimers});
        const arrow = await page.$('#VccSubir');
        const {x, y, width, height} = await arrow.boundingBox();
        await page.mouse.move(x + width / 2, y + height / 2);
        await page.mouse.down();
        const steps = async (afterMs) => {
            await page.evaluate((ms) => window.testTimers.advance(ms), afterMs);
            return Math.round((Number(await value(page, 'Vcc')) - 1) / 0.2);
        };
        assert.equal(await steps(399), 0, 'no step before the delay');
        assert.equal(await steps(1), 1);
        assert.equal(await steps(99), 1);
        assert.equal(await steps(1), 2);
        assert.equal(await steps(200), 4);
        // Once more when it is let go over the button: that last step is the click.
        await page.mouse.up();
        assert.equal(await steps(0), 5);
        assert.equal(await steps(1000), 5, 'no step once let go');
        await page.close();
    });
});

describe('typing', () => {
    it('counts at the next redraw, in the browser language or ?lang=', async () => {
        const {page} = await fresh({query : '?lang=es-ES'});
        await page.click('#mdl', {clickCount : 3});
        await page.keyboard.type('0,5');
        assert.equal(await value(page, 'mdl'), '0,5');
        await page.click('#VccBajar');
        assert.equal(await value(page, 'Vcc'), '0,8');
        assert.equal(await described(page), 'AM, modulación del 62,5 %, error de fase 0 grados');
        // The readout under the drawing, from the same engine, in the same notation.
        const lines = await readout(page);
        assert.equal(lines.length, 10);
        assert.equal(lines[1], 'Índice de modulación: 62,5 %');
        await page.close();
    });
});

describe('a bad text', () => {
    it('gives the window message on the page, selects the box and keeps the picture', async () => {
        const {page} = await fresh({query : '?lang=en-US'});
        const before = await canvasPixels(page);
        await type(page, 'Vcc', 'abc');
        await page.click('#FaseSubir');
        const shown = await page.evaluate(
            () => ({
                message : document.getElementById('message-text').textContent,
                visible : !document.getElementById('message').hidden,
                role : document.getElementById('message').getAttribute('role'),
                focus : document.activeElement.id,
                selection :
                    [ document.activeElement.selectionStart, document.activeElement.selectionEnd ],
            }));
        assert.deepEqual(shown, {
            message : 'El valor de «V(cc)» no es un número: «abc».',
            visible : true,
            role : 'alert',
            focus : 'Vcc',
            selection : [ 0, 3 ],
        });
        // The phase was stepped before the redraw met the bad box; nothing typed is lost.
        assert.deepEqual(await boxValues(page), [ '1', 'abc', '1', '1', '30', '0' ]);
        // The redraw stopped after the first trace, which needs V(cc): what came before stays.
        const after = await canvasPixels(page);
        assert.ok(!same(before, after));
        assert.ok(await drawn(page, 300, 80), 'the generator axis stays');
        assert.equal(await described(page), 'Parámetros no válidos: «V(cc)» no es un número');
        // Mended, the next click redraws and the message goes.
        await type(page, 'Vcc', '1');
        await page.click('#FaseBajar');
        assert.equal(await page.$eval('#message', (e) => e.hidden), true);
        assert.ok(same(before, await canvasPixels(page)));
        await page.close();
    });
});

describe('the panels', () => {
    it('show over the drawing without a redraw and redraw what they covered when hidden',
       async () => {
           const {page} = await fresh();
           const before = await canvasPixels(page);
           const panel = (id) =>
               page.$eval(`#${id}`, (e) => ({
                                        shown : !e.hidden,
                                        box : [ '--x', '--y', '--w', '--h' ].map(
                                            (p) => parseFloat(e.style.getPropertyValue(p))),
                                        text : e.value,
                                        z : Number(e.style.zIndex),
                                    }));
           await type(page, 'Vcc', '0');
           await page.click('#Ayuda');
           const help = await panel('Text1');
           assert.equal(help.shown, true);
           assert.deepEqual(help.box, [ 20, 24, 600, 665 ]);
           assert.match(help.text, /^Este programa intenta transmitir el concepto de estos modos/);
           assert.match(help.text, /\r?\n\r?\n$/);
           assert.ok(same(before, await canvasPixels(page)), 'showing draws nothing');

           await page.click('#Acerca');
           const about = await panel('AcercaTexto');
           assert.match(about.text, /^07\/03\/2018 Simulador de AM, DSB y SSB\r?\n\r?\n/);
           assert.match(about.text, /cualquier navegador web a partir de un solo archivo/);
           assert.ok(about.z > help.z, 'the panel asked for last lies in front');

           await page.click('#Acerca');
           await page.click('#Ayuda');
           assert.equal((await panel('Text1')).shown, false);
           assert.deepEqual((await panel('Text1')).box, [ 20, 24, 600, 665 ],
                            'hiding keeps the place');
           // Hidden, the help was redrawn with the typed V(cc) 0: no carrier left.
           assert.ok(!same(before, await canvasPixels(page)));
           assert.equal(await described(page), 'DSB, error de fase 0 grados');
           await page.close();
       });
});

describe('the keyboard alone', () => {
    it('walks every control in the form\'s tab order and presses with Space', async () => {
        const {page} = await fresh({query : '?lang=en-US'});
        const hidden = [ 'Text1', 'AcercaTexto' ];
        const expected = FORM.tabOrder.filter((name) => !hidden.includes(name));
        const walked = [ await page.evaluate(() => document.activeElement.id) ];
        while (walked.length < expected.length) {
            await page.keyboard.press('Tab');
            walked.push(await page.evaluate(() => document.activeElement.id));
        }
        assert.deepEqual(walked, expected);

        await page.keyboard.down('Shift');
        await page.keyboard.press('Tab');
        await page.keyboard.up('Shift');
        await page.keyboard.press('Space'); // on Acerca
        await page.keyboard.press('Tab');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'AcercaTexto');
        await page.keyboard.down('Shift');
        for (let i = 0; i <= expected.indexOf('Acerca') - expected.indexOf('VccBajar'); ++i) {
            await page.keyboard.press('Tab');
        }
        await page.keyboard.up('Shift');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'VccBajar');
        await page.keyboard.press('Space');
        assert.equal(await value(page, 'Vcc'), '0.8');
        await page.close();
    });
});

describe('the keys in a box', () => {
    it('redraw with Enter, step with the arrows, and start from the address', async () => {
        const {page} = await fresh({query : '?lang=en-US&vcc=0&bls=0'});
        const message = () => page.$eval('#message-text', (e) => e.textContent);
        assert.deepEqual(await boxValues(page), [ '1', '0', '1', '0', '0', '0' ]);
        assert.match(await described(page), /^SSB sin portadora/);
        assert.equal(await page.$eval('#VccSubir', (e) => e.title), 'Subir V(cc) 0.2');

        await type(page, 'BlsSiNo', ' 1 ');
        await page.focus('#BlsSiNo');
        await page.keyboard.press('Enter');
        assert.equal(await value(page, 'BlsSiNo'), ' 1 ');
        assert.match(await described(page), /^DSB/);
        for (const [box, key, after] of [[ 'fase', 'ArrowDown', '-30' ],
                                         [ 'mdl', 'ArrowUp', '1.2' ], [ 'BliSiNo', 'ArrowUp', '0' ],
                                         [ 'EnvelopeOnOff', 'ArrowDown', '1' ]]) {
            await page.focus(`#${box}`);
            await page.keyboard.press(key);
            assert.equal(await value(page, box), after, box);
        }
        await type(page, 'mdl', '0,5');
        await page.keyboard.press('Enter');
        assert.match(await message(),
                     /no es un número: «0,5»; use el punto decimal: «0\.5»\./);
        await page.close();

        // A bad start value is met by the first picture, with the usual message.
        const started = await fresh({query : '?mdl=x'});
        assert.equal(await started.page.$eval('#message-text', (e) => e.textContent),
                     'El valor de «Modulante» no es un número: «x».');
        await started.page.close();
    });
});

describe('numbers in every notation', () => {
    // The step from 0.20005 down writes an exponent in the language's own
    // form, which reads back: no message, neither then nor on Enter.
    const rows = [
        [ 'sv-SE', ',', '×10^' ],
        [ 'lt-LT', ',', '×10^' ],
        [ 'fa-IR', '٫', '×۱۰^' ],
        [ 'ar-EG', '٫', 'أس' ],
        [ 'de-DE', ',', 'E' ],
        [ 'es-ES', ',', 'E' ],
        [ 'en-US', '.', 'E' ],
        [ 'fr-FR', ',', 'E' ],
    ];
    for (const [lang, decimal, exponent] of rows) {
        it(`read back what they write in ${lang}`, async () => {
            const {page} = await fresh({query : `?lang=${lang}`});
            const hidden = () => page.$eval('#message', (e) => e.hidden);
            await type(page, 'Vcc', `0${decimal}20005`);
            await page.click('#VccBajar');
            assert.equal(await value(page, 'Vcc'), `4${decimal}99999999999945${exponent}-05`);
            assert.ok(await hidden(), await page.$eval('#message-text', (e) => e.textContent));
            await page.focus('#Vcc');
            await page.keyboard.press('Enter');
            assert.ok(await hidden(), await page.$eval('#message-text', (e) => e.textContent));
            await page.close();
        });
    }
});

describe('a text the engine cannot read', () => {
    it('is quoted in view and cut short, and a number the box does not take is refused',
       async () => {
           const rows = [
               [ '?mdl=1%00x', null, 'El valor de «Modulante» no es un número: «1␀x».' ],
               [
                   `?mdl=${'9'.repeat(60)}x`, null,
                   `El valor de «Modulante» no es un número: «${'9'.repeat(40)}…».`
               ],
               [
                   '?escalas=0.5', null,
                   'El valor de «escalas» está fuera de sus límites: «0.5». Escriba 0 o 1.'
               ],
               [ '', '\ud8005', 'El valor de «Modulante» no es un número: «\ufffd5».' ],
               [ '', 'a\tb\u0085c', 'El valor de «Modulante» no es un número: «a␉b\ufffdc».' ],
           ];
           for (const [query, typed, expected] of rows) {
               const {page} = await fresh({query});
               if (typed !== null) {
                   await type(page, 'mdl', typed);
                   await page.click('#FaseSubir');
               }
               assert.equal(await page.$eval('#message-text', (e) => e.textContent), expected);
               await page.close();
           }
       });
});

describe('a screen at twice the resolution', () => {
    it('draws the canvas again at its pixels, with the palette\'s colours only', async () => {
        const {page} = await fresh({scale : 2});
        const shown = await page.$eval('#canvas', (canvas) => {
            const {data} = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
            const colours = new Set();
            for (let i = 0; i < data.length; i += 4) {
                colours.add(data[i + 3] === 0
                                ? 'none'
                                : `${data[i]},${data[i + 1]},${data[i + 2]},${data[i + 3]}`);
            }
            const box = canvas.getBoundingClientRect();
            return {
                size : [ canvas.width, canvas.height ],
                box : [ box.width, box.height ],
                colours : [...colours ].sort()
            };
        });
        assert.deepEqual(shown.size, [ 1904, 1400 ]);
        assert.deepEqual(shown.box, [ 952, 700 ]);
        assert.deepEqual(shown.colours, [ '0,0,0,255', '0,128,0,255', '255,0,255,255', 'none' ]);
        await page.close();
    });
});

// Every box and button of the bench, the menu's items when open, as laid out.
const controlBoxes = (page) => page.$$eval(
    '#Form1 :is(input, button)',
    (elements) =>
        elements.filter((e) => e.offsetParent !== null || getComputedStyle(e).position === 'fixed')
            .map((e) => {
                const r = e.getBoundingClientRect();
                return {
                    id : e.id,
                    left : r.left,
                    top : r.top,
                    right : r.right,
                    bottom : r.bottom,
                    width : r.width,
                    height : r.height
                };
            }));
const viewport = (page) => page.evaluate(() => {
    const root = document.documentElement;
    return {
        layout : root.dataset.layout,
        width : root.clientWidth,
        height : root.clientHeight,
        scrollWidth : root.scrollWidth,
        scrollHeight : root.scrollHeight
    };
});
const rect = (page, id) =>
    page.$eval(`#${id}`, (e) => JSON.parse(JSON.stringify(e.getBoundingClientRect())));

describe('every screen', () => {
    it('a phone: a view across the width on the drawing, the controls by stage, each large enough to touch',
       async () => {
           const {page} = await fresh({width : 390, height : 844, scale : 3});
           const screen = await viewport(page);
           assert.equal(screen.layout, 'phone');
           assert.equal(screen.scrollWidth, 390);
           const view = await rect(page, 'view');
           assert.deepEqual([ view.left, view.right ], [ 0, 390 ]);
           // Larger than the screen, a piece at a time, at 1.5 pixels a position.
           const drawing = await rect(page, 'canvas');
           assert.ok(drawing.width > 952 &&
                         Math.abs(drawing.height / drawing.width - 700 / 952) < 0.01,
                     `${drawing.width}`);
           assert.equal(await page.$eval('#canvas', (c) => c.width), 952 * 1.5);
           assert.deepEqual(await page.$$eval('.stage-name', (h) => h.map((e) => e.textContent)),
                            [ 'Generador', 'Transmisor', 'Receptor', 'Pantalla' ]);
           await page.click('#Menu');
           const controls = await controlBoxes(page);
           assert.equal(controls.length, 50);
           for (const c of controls) {
               assert.ok(c.width >= 44 && c.height >= 44, `${c.id} ${c.width}x${c.height}`);
               assert.ok(c.left >= 0 && c.right <= 390, `${c.id} ${c.left}..${c.right}`);
           }
           const labelSize = await page.$eval('label[for="mdl"]',
                                              (e) => parseFloat(getComputedStyle(e).fontSize));
           assert.ok(labelSize >= 16, `label ${labelSize}px`);
           // The help over the page, within the screen, scrolling with its bar.
           await page.keyboard.press('Escape');
           await page.tap('#Ayuda');
           const help = await page.$eval('#Text1', (e) => {
               const r = e.getBoundingClientRect();
               return {
                   box : [ r.left, r.top, r.right, r.bottom ],
                   scrolls : e.scrollHeight > e.clientHeight,
                   overflow : getComputedStyle(e).overflowY,
                   bar : getComputedStyle(e).scrollbarWidth
               };
           });
           assert.ok(help.box[0] >= 0 && help.box[1] >= 0 && help.box[2] <= 390 &&
                         help.box[3] <= 844,
                     `${help.box}`);
           assert.deepEqual([ help.scrolls, help.overflow, help.bar ], [ true, 'auto', 'auto' ]);
           // A tap on an arrow steps, as a click does.
           await page.tap('#Ayuda');
           await page.tap('#FaseSubir');
           assert.equal(await value(page, 'fase'), '30');
           // Made as large as a laptop's, the page takes the window's layout again.
           await page.setViewport({width : 1366, height : 657});
           await page.waitForFunction(() => document.documentElement.dataset.layout === 'window',
                                      EVENTUALLY);
           await page.close();
       });

    // The oscilloscope's scale labels, "1 V/div" at (588, 82) on its plate,
    // are read without zooming, and the readout scrolled to shows beneath
    // the view, which stays at the top of the screen.
    it('a phone: the scales readable, the readout seen with the drawing', async () => {
        const {page} = await fresh(
            {query : '?escalas=1&ruido=0.5&env=1', width : 390, height : 844, scale : 3});
        const inkHeight = await page.$eval('#canvas', (canvas) => {
            const perPosition = canvas.width / 952;
            const plate = canvas.getContext('2d').getImageData(
                Math.round(589 * perPosition), Math.round(82 * perPosition),
                Math.round(30 * perPosition), Math.round(13 * perPosition));
            const inked = [];
            for (let y = 0; y < plate.height; ++y) {
                for (let x = 0; x < plate.width; ++x) {
                    const [red, green, blue] =
                        plate.data.slice((y * plate.width + x) * 4, (y * plate.width + x) * 4 + 3);
                    if (red + green + blue < 3 * 64) {
                        inked.push(y);
                    }
                }
            }
            return (Math.max(...inked) - Math.min(...inked) + 1) /
                   (canvas.width / canvas.getBoundingClientRect().width);
        });
        assert.ok(inkHeight >= 9, `${inkHeight} CSS px`);
        await page.$eval('#Measurements', (readout) => readout.scrollIntoView());
        const view = await rect(page, 'view');
        const readout = await rect(page, 'Measurements');
        const bar = await rect(page, 'tools');
        assert.deepEqual([ view.top, view.left, view.right ], [ 0, 0, 390 ]);
        assert.ok(readout.top >= view.bottom && readout.top + 100 <= bar.top,
                  `${view.bottom} ${readout.top} ${bar.top}`);
        await page.close();
    });

    it('a laptop and a large screen: the whole bench in view, grown with a sharp canvas',
       async () => {
           for (const [width, height] of [[ 1366, 657 ], [ 1920, 1080 ]]) {
               const {page} = await fresh({width, height});
               const screen = await viewport(page);
               assert.equal(screen.layout, 'window');
               assert.deepEqual([ screen.scrollWidth, screen.scrollHeight ], [ width, height ]);
               const bench = await rect(page, 'Form1');
               const scale = Math.min(width / 952, height / 760);
               assert.ok(Math.abs(bench.width - 952 * scale) < 1 &&
                             Math.abs(bench.height - 760 * scale) < 1,
                         `${width}`);
               for (const c of await controlBoxes(page)) {
                   assert.ok(c.left >= 0 && c.top >= 0 && c.right <= width && c.bottom <= height,
                             `${c.id} at ${width}`);
               }
               // As many canvas pixels as screen pixels, wherever it is larger than designed.
               const canvas =
                   await page.$eval('#canvas', (c) => [c.width, c.getBoundingClientRect().width]);
               assert.equal(canvas[0], scale > 1 ? Math.round(canvas[1]) : 952, `${width}`);
               await page.close();
           }
       });

    it('leaves the console empty on load, redraw and every control', async () => {
        const page = await chromium.browser.newPage();
        const said = [];
        page.on('console', (m) => said.push(`${m.type()}: ${m.text().slice(0, 120)}`));
        page.on('pageerror', (e) => said.push(`error: ${e.message}`));
        await page.setViewport({width : 1000, height : 760});
        await page.goto(`${pathToFileURL(PAGE).href}?lang=es-ES`);
        await page.waitForSelector('html[data-ready="true"]');
        await page.evaluate(() => window.amsim.redraw());
        // The exercise area's buttons are no control while it is hidden.
        for (const id of await page.$$eval(
                 '#Form1 button:not([role="menuitem"])',
                 (b) => b.filter((e) => e.offsetParent !== null).map((e) => e.id))) {
            await page.click(`#${id}`);
            await page.click(`#${id}`);
        }
        await page.click('#Menu');
        await page.keyboard.press('Escape');
        assert.deepEqual(said, []);
        await page.close();
    });
});

describe('the address', () => {
    it('gives start values with a point in any language, and with the language\'s own comma',
       async () => {
           const rows = [
               [ 'a point, English', '?lang=en-US&mdl=0.5&vcc=0', [ '0.5', '0' ], null ],
               [ 'a point, Spanish', '?lang=es-ES&mdl=0.5&vcc=0', [ '0,5', '0' ], null ],
               [ 'a comma, Spanish', '?lang=es-ES&mdl=0,5&vcc=0', [ '0,5', '0' ], null ],
               [ 'a point, German', '?lang=de-DE&mdl=2.5e-1&vcc=-1', [ '0,25', '-1' ], null ],
               [ 'a comma, English', '?lang=en-US&vcc=0&mdl=0,5', [ '0,5', '0' ], 'mdl' ],
               [ 'no number', '?lang=es-ES&vcc=x', [ '1', 'x' ], 'Vcc' ],
           ];
           for (const [name, query, boxesShown, wrong] of rows) {
               const {page} = await fresh({query});
               assert.deepEqual([ await value(page, 'mdl'), await value(page, 'Vcc') ], boxesShown,
                                name);
               const state =
                   await page.evaluate(() => ({
                                           message : !document.getElementById('message').hidden,
                                           focus : document.activeElement.id,
                                       }));
               state.search = new URL(await address(page)).search;
               assert.equal(state.message, wrong !== null, name);
               assert.equal(state.focus, wrong ?? 'ModulanteSubir', name);
               if (!wrong) {
                   // Rewritten at once in the notation every browser reads, the language kept.
                   const lang = new URLSearchParams(query).get('lang');
                   const mdl = boxesShown[0].replace(',', '.');
                   assert.equal(
                       state.search,
                       `?lang=${lang}&mdl=${mdl}&vcc=${boxesShown[1]}&bli=1&bls=1&fase=0&env=0`,
                       name);
               }
               await page.close();
           }
       });

    it('follows every change, its fragment kept, and the menu copies it and the command',
       async () => {
           const {page} = await fresh({query : '?lang=es-ES#tarea-2'});
           await page.evaluate(() => {
               navigator.clipboard.writeText = (text) => {
                   window.copied = text;
                   return Promise.resolve();
               };
           });
           await page.click('#VccBajar');
           await page.click('#FaseBajar');
           const search = '?lang=es-ES&mdl=1&vcc=0.8&bli=1&bls=1&fase=-30&env=0';
           assert.equal(await address(page), `${pathToFileURL(PAGE).href}${search}#tarea-2`);
           // The drawing's description is said politely; messages stay alerts.
           assert.equal(await page.$eval('#announcement', (e) => e.getAttribute('aria-live')),
                        'polite');
           assert.equal(await described(page),
                        await page.$eval('#announcement', (e) => e.textContent));
           await page.focus('#Menu');
           await page.keyboard.press('Enter');
           assert.equal(await page.$eval('#Menu', (e) => e.getAttribute('aria-expanded')), 'true');
           assert.deepEqual(
               await page.$$eval('[role="menuitem"]',
                                 (items) => items.map((e) => [e.id, e.textContent])),
               [
                   [ 'CopiarEnlace', 'Copiar enlace' ], [ 'CopiarOrden', 'Copiar orden' ],
                   [ 'GuardarImagen', 'Guardar imagen…' ], [ 'GuardarDatos', 'Guardar datos…' ],
                   [ 'GuardarSonido', 'Guardar sonido…' ], [ 'GuardarEspectro', 'Guardar espectro…' ],
                   [ 'CurvaSN', 'Curva S/N' ], [ 'VistaIQ', 'Vista I/Q' ],
                   [ 'CrearEjercicio', 'Crear ejercicio…' ], [ 'Ejercicios', 'Ejercicios' ],
                   [ 'Idioma', 'Idioma' ]
               ]);
           assert.equal(await page.evaluate(() => document.activeElement.id), 'CopiarEnlace');
           await page.keyboard.press('Enter');
           assert.equal(await page.evaluate(() => window.copied),
                        `${pathToFileURL(PAGE).href}${search}#tarea-2`);
           assert.equal(await page.evaluate(() => document.activeElement.id), 'Menu');
           await page.click('#Menu');
           await page.keyboard.press('ArrowDown');
           await page.keyboard.press('Enter');
           assert.equal(await page.evaluate(() => window.copied),
                        'amsim --mdl 1 --vcc 0,8 --bli 1 --bls 1 --fase -30 --env 0');
           await page.close();
       });
});

// A menu item done says so in view for two seconds, and aloud: the page's
// two-second timers are held, and run when the test says.
describe('a menu item done', () => {
    it('shows its confirmation for two seconds besides the announcement', async () => {
        const {page} = await fresh({
            query : '?lang=es-ES',
            prepare : (tab) => tab.evaluateOnNewDocument(() => {
                const later = window.setTimeout.bind(window);
                window.held = [];
                window.setTimeout = (run, delay, ...rest) =>
                    (delay === 2000 ? window.held.push(run) : later(run, delay, ...rest));
            }),
        });
        await page.evaluate(() => { navigator.clipboard.writeText = () => Promise.resolve(); });
        const confirmation = () => page.$eval('#confirmation', (e) => {
            const {width, height, bottom} = e.getBoundingClientRect();
            return {
                text : e.textContent,
                seen : !e.hidden && width > 0 && height > 0 && bottom <= innerHeight
            };
        });
        const runHeld = () => page.evaluate(() => window.held.splice(0).forEach((run) => run()));
        for (const [item, said] of [[ 'CopiarEnlace', 'Enlace copiado' ],
                                    [ 'CopiarOrden', 'Orden copiada' ]]) {
            await page.click('#Menu');
            await page.click(`#${item}`);
            await page.waitForFunction(() => window.held.length > 0);
            assert.deepEqual(await confirmation(page), {text : said, seen : true});
            assert.match(await page.$eval('#announcement', (e) => e.textContent), /^Copiado: /);
            await runHeld();
            assert.equal((await confirmation(page)).seen, false);
        }
        assert.equal((await savedFile(page, 'GuardarDatos')).name, 'amsim-am.csv');
        assert.deepEqual(await confirmation(page), {text : 'Guardado: amsim-am.csv', seen : true});
        assert.equal(await page.$eval('#announcement', (e) => e.textContent),
                     'Guardado: amsim-am.csv');
        await runHeld();
        assert.equal((await confirmation(page)).seen, false);
        await page.close();
    });
});

// A panel item opens its picture over the page, drawn by the engine with the
// bench, and Escape or its button closes it, giving the menu's button the
// focus back; it fits a phone, a laptop and a large screen.
describe('the I/Q view', () => {
    for (const [width, height] of [[ 390, 844 ], [ 1366, 657 ], [ 2560, 1440 ]]) {
        it(`opens from the menu and closes at ${width}×${height}`, async () => {
            const {page} = await fresh({query : '?lang=es-ES&vcc=0&fase=90', width, height});
            const panel = () => page.$eval('#VistaIQ-panel', (e) => {
                const box = e.getBoundingClientRect();
                const canvas = e.querySelector('canvas');
                const pixels = canvas.getContext('2d')
                                   .getImageData(0, 0, canvas.width, canvas.height).data;
                let inked = 0;
                for (let i = 3; i < pixels.length; i += 4) {
                    inked += pixels[i] > 0 ? 1 : 0;
                }
                return {
                    shown : !e.hidden,
                    name : e.getAttribute('aria-label'),
                    inside : box.left >= 0 && box.top >= 0 && box.right <= innerWidth &&
                                 box.bottom <= innerHeight,
                    inked,
                    focused : document.activeElement.className,
                };
            });
            await page.click('#Menu');
            await page.click('#VistaIQ');
            const open = await panel();
            assert.deepEqual({...open, inked : open.inked > 1000},
                             {shown : true, name : 'Vista I/Q', inside : true, inked : true,
                              focused : 'panel-close'});
            await page.keyboard.press('Escape');
            assert.equal((await panel()).shown, false);
            assert.equal(await page.evaluate(() => document.activeElement.id), 'Menu');
            await page.click('#Menu');
            await page.click('#VistaIQ');
            await page.click('#VistaIQ-panel .panel-close');
            assert.equal((await panel()).shown, false);
            await page.close();
        });
    }
});
