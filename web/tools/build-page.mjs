// Builds amsim.html, the bench in one self-contained file: the page's
// markup generated from the window's form, its styles and script, the block
// diagram and the arrows inline, and the engine (WebAssembly inside its
// JavaScript). The file makes no network request.
//
//   node build-page.mjs --root <project> --engine <amsim_engine.js> --stages <page-stages.json> --out <amsim.html>
import { existsSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { parseArgs } from 'node:util';

import { pixelsOfPoints, readForm } from './form.mjs';

const { values: options } = parseArgs({
    options: {
        root: { type: 'string' }, engine: { type: 'string' }, stages: { type: 'string' }, out: { type: 'string' },
    },
});
const root = options.root;
const read = (...path) => readFileSync(join(root, ...path), 'utf8');

const escapeHtml = (text) =>
    text.replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);

// A Qt resource path (":/pictures/x") is a file beside the form.
const pictureFile = (resource) => join(root, 'src', 'app', resource.replace(/^:\//, ''));
const picture = (resource) => readFileSync(pictureFile(resource), 'utf8');

// A picture (the block diagram, an arrow) inline, without its declaration
// and comments, and hidden from assistive technology: the control that
// holds it says what it is.
function inlineSvg(source) {
    return source
        .replace(/<\?xml[^>]*\?>/, '')
        .replace(/<!--[\s\S]*?-->/g, '')
        .replace(/<svg\b/, '<svg aria-hidden="true" focusable="false"')
        .trim();
}

// A picture with words (the block diagram) in each language, the first
// (Spanish) shown until the page picks the one of the language in use: the
// file of another language (block_diagram.en.svg) is the Spanish one where
// there is none.
function pictureOfEachLanguage(resource) {
    return ENGINE_DATA.languages.map((language, at) => {
        const translated = resource.replace(/\.svg$/, `.${language}.svg`);
        const source = at > 0 && existsSync(pictureFile(translated)) ? translated : resource;
        const unused = at > 0 ? ' class="unused"' : '';
        return inlineSvg(picture(source)).replace(/^<svg\b/, `<svg data-language="${language}"${unused}`);
    }).join('');
}

// The place in the window goes in custom properties, which the window's
// layout uses and a phone's ignores.
function style(control, windowFont) {
    const { x, y, width, height } = control.geometry;
    const rules = [`--x:${x}px`, `--y:${y}px`, `--w:${width}px`, `--h:${height}px`];
    const font = control.font;
    if (font && font.pointSize !== windowFont.pointSize) {
        rules.push(`font-size:${pixelsOfPoints(font.pointSize)}px`);
    }
    if (font?.bold) {
        rules.push('font-weight:bold');
    }
    return rules.join(';');
}

// The attributes every control carries: its name as id, its place, and its
// accessible name and description.
function common(control, windowFont, classes) {
    const attributes = [
        `id="${control.name}"`,
        `class="${classes}"`,
        `style="${style(control, windowFont)}"`,
        `aria-label="${escapeHtml(control.accessibleName)}"`,
        `aria-describedby="${control.name}-description"`,
    ];
    if (control.toolTip) {
        attributes.push(`title="${escapeHtml(control.toolTip)}"`);
    }
    return attributes.join(' ');
}

function markup(control, windowFont) {
    switch (control.kind) {
        case 'QLabel':
            if (control.pixmap) {
                return `<div ${common(control, windowFont, 'face picture')} role="img">${pictureOfEachLanguage(control.pixmap)}</div>`;
            }
            return control.buddy
                ? `<label ${common(control, windowFont, labelClasses(control))} for="${control.buddy}">${escapeHtml(control.text)}</label>`
                : `<div ${common(control, windowFont, labelClasses(control))}>${escapeHtml(labelText(control))}</div>`;
        case 'QPushButton': {
            const repeat = control.autoRepeat
                ? ` data-repeat-delay="${control.autoRepeatDelay}" data-repeat-interval="${control.autoRepeatInterval}"`
                : '';
            const face = control.icon ? inlineSvg(picture(control.icon)) : escapeHtml(control.text);
            // A toggle says whether it is on; the script keeps it.
            const pressed = control.checkable ? ' aria-pressed="false"' : '';
            return `<button type="button" ${common(control, windowFont, 'front button')}${repeat}${pressed}>${face}</button>`;
        }
        case 'QLineEdit':
            return `<input type="text" ${common(control, windowFont, 'front box')} value="${escapeHtml(control.text ?? '')}" spellcheck="false" autocomplete="off">`;
        case 'QPlainTextEdit':
            return `<textarea ${common(control, windowFont, 'front panel')} spellcheck="false"${control.visible === false ? ' hidden' : ''}>${escapeHtml(control.plainText ?? '')}</textarea>`;
        default:
            throw new Error(`Form1.ui: no markup for a ${control.kind} (${control.name})`);
    }
}

// The readout's text in the form only holds its place until the engine's
// first lines: on the page they replace its children, so it starts empty.
const labelText = (control) => (control.name === READOUT ? '' : control.text);

function labelClasses(control) {
    return ['face', 'label', control.wordWrap ? 'wrap' : ''].filter(Boolean).join(' ');
}

// The stages of the bench, top to bottom, by the boxes they hold. In the
// window's layout they only group the controls for assistive technology; on
// a phone each is a group of rows of its own. Each stage's name and boxes
// come from the engine's table (amsim_page_stages), as do the controls' texts.
const ENGINE_DATA = JSON.parse(readFileSync(options.stages, 'utf8'));
const STAGES = ENGINE_DATA.stages;
const TITLE = 'Label8';
const READOUT = 'Measurements';
// A button this close to a box (between centres, in pixels) steps or switches it.
const BESIDE = 40;

const centre = ({ geometry: g }) => [g.x + g.width / 2, g.y + g.height / 2];
const distance = (a, b) => Math.hypot(centre(a)[0] - centre(b)[0], centre(a)[1] - centre(b)[1]);

// Each box's row: its label, then the box and the buttons beside it in tab order.
function rowsOf(form) {
    const boxes = form.controls.filter((c) => c.kind === 'QLineEdit');
    const rows = new Map(boxes.map((box) => [box.name, []]));
    for (const control of form.controls.filter((c) => c.kind === 'QPushButton')) {
        const nearest = boxes.reduce((a, b) => (distance(control, a) <= distance(control, b) ? a : b));
        if (distance(control, nearest) <= BESIDE) {
            rows.get(nearest.name).push(control);
        }
    }
    const tab = (c) => form.tabOrder.indexOf(c.name);
    return new Map(boxes.map((box) => [box.name, {
        label: form.controls.find((c) => c.buddy === box.name),
        controls: [box, ...rows.get(box.name)].sort((a, b) => tab(a) - tab(b)),
    }]));
}

// The title, the drawing (the picture and labels beneath the canvas), the
// stages, the readout, then the help, the about text and the menu: the
// reading order, in which the boxes and buttons come in the window's tab
// order. Labels and the picture lie beneath the drawing, the rest in front.
function formMarkup(form) {
    const windowFont = form.properties.font;
    const byName = new Map(form.controls.map((c) => [c.name, c]));
    const rows = rowsOf(form);
    const inRows = new Set([...rows.values()].flatMap((r) => [r.label?.name, ...r.controls.map((c) => c.name)]));
    const drawing = form.controls.filter((c) => c.kind === 'QLabel' && !inRows.has(c.name) &&
        c.name !== TITLE && c.name !== READOUT);
    const tools = form.tabOrder.filter((name) => !inRows.has(name)).map((name) => byName.get(name));
    // Within its stage a box comes in the tab order.
    const byTab = (boxes) => [...boxes].sort((a, b) => form.tabOrder.indexOf(a) - form.tabOrder.indexOf(b));
    const stages = STAGES.map(({ name, boxes }) => [
        `<section class="stage" aria-labelledby="stage-${name}"><h2 id="stage-${name}" class="stage-name">${name}</h2>`,
        ...byTab(boxes).map((box) => {
            const row = rows.get(box);
            return [`<div class="row">`, row.label ? markup(row.label, windowFont) : '',
                ...row.controls.map((c) => markup(c, windowFont)), '</div>'].join('\n');
        }),
        '</section>',
    ].join('\n'));
    const order = [...STAGES.flatMap((s) => byTab(s.boxes).flatMap((box) => rows.get(box).controls)), ...tools]
        .map((c) => c.name);
    if (order.join() !== form.tabOrder.join()) {
        throw new Error(`Form1.ui: the tab order ${form.tabOrder} does not go stage by stage (${order})`);
    }
    return [
        markup(byName.get(TITLE), windowFont),
        // On a phone the view pans over the drawing, held at the top.
        '<div id="view">',
        '<div id="drawing">',
        ...drawing.map((c) => markup(c, windowFont)),
        // Focusable for Space, which pauses the bench's time.
        '<canvas id="canvas" role="img" tabindex="0" aria-keyshortcuts="Space" aria-describedby="canvas-description"></canvas>',
        '</div>',
        '</div>',
        ...stages,
        markup(byName.get(READOUT), windowFont),
        '<div id="tools">',
        ...tools.map((c) => markup(c, windowFont)),
        '</div>',
    ].join('\n');
}

// Every control is described to a screen reader; one the catalogue leaves
// undescribed stops the build.
function descriptions(form) {
    return form.controls
        .map((c) => {
            if (c.accessibleDescription === undefined) {
                throw new Error(`the catalogue has no form.${c.name}.accessibleDescription`);
            }
            return `<span id="${c.name}-description">${escapeHtml(c.accessibleDescription)}</span>`;
        })
        .join('\n');
}

// Nothing inline may close its <script> or <style> early.
function inline(text, tag) {
    if (new RegExp(`</${tag}`, 'i').test(text)) {
        throw new Error(`the inlined ${tag} holds </${tag}`);
    }
    return text;
}

// The engine would first fetch its own wasm, which it holds as a data: URL;
// the page's Content-Security-Policy refuses that, with two console errors,
// before the engine decodes it itself. Without fetch in its scope it decodes
// it at once.
function engineWithoutFetch(engine) {
    return `const createAmsimEngine = (() => {\nconst fetch = undefined;\n${engine}\nreturn createAmsimEngine;\n})();`;
}

const form = readForm(join(root, 'src', 'app', 'Form1.ui'), ENGINE_DATA.controls);
const { width, height } = form.properties.geometry;
const pieces = {
    TITLE: escapeHtml(form.properties.accessibleName),
    WIDTH: String(width),
    HEIGHT: String(height),
    FONT_SIZE: String(pixelsOfPoints(form.properties.font.pointSize)),
    STYLE: inline(read('web', 'page', 'amsim.css'), 'style'),
    FORM: formMarkup(form),
    DESCRIPTIONS: descriptions(form),
    ENGINE: inline(engineWithoutFetch(readFileSync(options.engine, 'utf8')), 'script'),
    SCRIPT: inline(read('web', 'page', 'amsim.js'), 'script'),
    PAGE_TEXTS: JSON.stringify(ENGINE_DATA.texts).replace(/</g, '\\u003c'),
    MESSAGE_CLOSE: escapeHtml(ENGINE_DATA.texts.messageClose),
};
const page = read('web', 'page', 'amsim.html').replace(/\{\{([A-Z_]+)\}\}/g, (whole, key) => {
    if (!(key in pieces)) {
        throw new Error(`amsim.html: no piece ${whole}`);
    }
    return pieces[key];
});
writeFileSync(options.out, page);
