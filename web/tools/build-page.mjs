// Builds amsim.html, the bench in one self-contained file: the page's
// markup generated from the window's form, its styles and script, the block
// diagram and the arrows inline, and the engine (WebAssembly inside its
// JavaScript). The file makes no network request.
//
//   node build-page.mjs --root <project> --engine <amsim_engine.js> --out <amsim.html>
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { parseArgs } from 'node:util';

import { pixelsOfPoints, readForm } from './form.mjs';

const { values: options } = parseArgs({
    options: { root: { type: 'string' }, engine: { type: 'string' }, out: { type: 'string' } },
});
const root = options.root;
const read = (...path) => readFileSync(join(root, ...path), 'utf8');

const escapeHtml = (text) =>
    text.replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);

// A Qt resource path (":/pictures/x") is a file beside the form.
const picture = (resource) => read('src', 'app', resource.replace(/^:\//, ''));

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

function style(control, windowFont) {
    const { x, y, width, height } = control.geometry;
    const rules = [`left:${x}px`, `top:${y}px`, `width:${width}px`, `height:${height}px`];
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
                return `<div ${common(control, windowFont, 'face picture')} role="img">${inlineSvg(picture(control.pixmap))}</div>`;
            }
            return control.buddy
                ? `<label ${common(control, windowFont, labelClasses(control))} for="${control.buddy}">${escapeHtml(control.text)}</label>`
                : `<div ${common(control, windowFont, labelClasses(control))}>${escapeHtml(control.text)}</div>`;
        case 'QPushButton': {
            const repeat = control.autoRepeat
                ? ` data-repeat-delay="${control.autoRepeatDelay}" data-repeat-interval="${control.autoRepeatInterval}"`
                : '';
            const face = control.icon ? inlineSvg(picture(control.icon)) : escapeHtml(control.text);
            return `<button type="button" ${common(control, windowFont, 'front button')}${repeat}>${face}</button>`;
        }
        case 'QLineEdit':
            return `<input type="text" ${common(control, windowFont, 'front box')} value="${escapeHtml(control.text ?? '')}" spellcheck="false" autocomplete="off">`;
        case 'QPlainTextEdit':
            return `<textarea ${common(control, windowFont, 'front panel')} spellcheck="false"${control.visible === false ? ' hidden' : ''}>${escapeHtml(control.plainText ?? '')}</textarea>`;
        default:
            throw new Error(`Form1.ui: no markup for a ${control.kind} (${control.name})`);
    }
}

function labelClasses(control) {
    return ['face', 'label', control.wordWrap ? 'wrap' : ''].filter(Boolean).join(' ');
}

// Labels and the picture lie beneath the drawing, the boxes, buttons and
// panels in front of it. The focusable controls follow in tab order, so that
// Tab walks them as in the window.
function formMarkup(form) {
    const windowFont = form.properties.font;
    const byName = new Map(form.controls.map((c) => [c.name, c]));
    const face = form.controls.filter((c) => c.kind === 'QLabel');
    const front = [
        ...form.tabOrder.map((name) => byName.get(name)),
        ...form.controls.filter((c) => c.kind !== 'QLabel' && !form.tabOrder.includes(c.name)),
    ];
    return [
        ...face.map((c) => markup(c, windowFont)),
        '<canvas id="canvas" role="img" aria-describedby="canvas-description"></canvas>',
        ...front.map((c) => markup(c, windowFont)),
    ].join('\n');
}

function descriptions(form) {
    return form.controls
        .map((c) => `<span id="${c.name}-description">${escapeHtml(c.accessibleDescription)}</span>`)
        .join('\n');
}

// Nothing inline may close its <script> or <style> early.
function inline(text, tag) {
    if (new RegExp(`</${tag}`, 'i').test(text)) {
        throw new Error(`the inlined ${tag} holds </${tag}`);
    }
    return text;
}

const form = readForm(join(root, 'src', 'app', 'Form1.ui'));
const { width, height } = form.properties.geometry;
const pieces = {
    TITLE: escapeHtml(form.properties.accessibleName),
    WIDTH: String(width),
    HEIGHT: String(height),
    FONT_SIZE: String(pixelsOfPoints(form.properties.font.pointSize)),
    STYLE: inline(read('web', 'page', 'amsim.css'), 'style'),
    FORM: formMarkup(form),
    DESCRIPTIONS: descriptions(form),
    ENGINE: inline(readFileSync(options.engine, 'utf8'), 'script'),
    SCRIPT: inline(read('web', 'page', 'amsim.js'), 'script'),
};
const page = read('web', 'page', 'amsim.html').replace(/\{\{([A-Z_]+)\}\}/g, (whole, key) => {
    if (!(key in pieces)) {
        throw new Error(`amsim.html: no piece ${whole}`);
    }
    return pieces[key];
});
writeFileSync(options.out, page);
