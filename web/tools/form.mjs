// Reads the window's Designer form (Form1.ui): every control with its kind,
// geometry, font, buddy, picture and auto-repeat, and the tab order; and
// gives each the texts the engine's catalogue has for it (its caption,
// accessible name and description, tooltip), as the window does at its load.
// The page is generated from it, so the window's layout is written once.
import { readFileSync } from 'node:fs';

const ENTITIES = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };

function decode(text) {
    return text.replace(/&(#x[0-9a-f]+|#[0-9]+|[a-z]+);/gi, (whole, name) => {
        if (name[0] === '#') {
            const hex = name[1] === 'x' || name[1] === 'X';
            return String.fromCodePoint(parseInt(name.slice(hex ? 2 : 1), hex ? 16 : 10));
        }
        if (!(name in ENTITIES)) {
            throw new Error(`Form1.ui: unknown entity ${whole}`);
        }
        return ENTITIES[name];
    });
}

// A small parser for the XML that Designer writes: elements, attributes,
// text, comments and the declaration. Enough for a .ui file, no more.
export function parseXml(source) {
    let at = 0;
    const fail = (what) => {
        throw new Error(`Form1.ui: ${what} at offset ${at}`);
    };
    const skipMisc = () => {
        for (;;) {
            const rest = source.slice(at);
            const blank = rest.match(/^\s+/);
            if (blank) {
                at += blank[0].length;
            } else if (rest.startsWith('<?')) {
                at = source.indexOf('?>', at) + 2;
            } else if (rest.startsWith('<!--')) {
                at = source.indexOf('-->', at) + 3;
            } else {
                return;
            }
        }
    };
    const element = () => {
        const open = source.slice(at).match(/^<([\w:.-]+)((?:\s+[\w:.-]+\s*=\s*"[^"]*")*)\s*(\/?)>/);
        if (!open) {
            fail('expected an element');
        }
        at += open[0].length;
        const node = { name: open[1], attributes: {}, children: [], text: '' };
        for (const [, key, value] of open[2].matchAll(/([\w:.-]+)\s*=\s*"([^"]*)"/g)) {
            node.attributes[key] = decode(value);
        }
        if (open[3] === '/') {
            return node;
        }
        for (;;) {
            const textEnd = source.indexOf('<', at);
            if (textEnd < 0) {
                fail(`unclosed <${node.name}>`);
            }
            node.text += decode(source.slice(at, textEnd));
            at = textEnd;
            if (source.startsWith('<!--', at)) {
                at = source.indexOf('-->', at) + 3;
            } else if (source.startsWith('</', at)) {
                const close = `</${node.name}>`;
                if (!source.startsWith(close, at)) {
                    fail(`expected ${close}`);
                }
                at += close.length;
                return node;
            } else {
                node.children.push(element());
            }
        }
    };
    skipMisc();
    return element();
}

const child = (node, name) => node.children.find((c) => c.name === name);

// A property's value as plain data: strings, numbers, booleans, sets and
// enums as their text, rectangles and fonts as objects.
function propertyValue(property) {
    const [value] = property.children;
    switch (value.name) {
        case 'string':
        case 'cstring':
        case 'set':
        case 'enum':
            return value.text;
        case 'number':
            return Number(value.text);
        case 'bool':
            return value.text === 'true';
        case 'rect':
        case 'size':
            return Object.fromEntries(value.children.map((c) => [c.name, Number(c.text)]));
        case 'font':
            return {
                family: child(value, 'family')?.text,
                pointSize: Number(child(value, 'pointsize')?.text),
                bold: child(value, 'bold')?.text === 'true',
            };
        case 'pixmap':
            return value.text;
        case 'iconset':
            return child(value, 'normaloff').text;
        default:
            throw new Error(`Form1.ui: property ${property.attributes.name} of kind ${value.name}`);
    }
}

function properties(widget) {
    return Object.fromEntries(
        widget.children
            .filter((c) => c.name === 'property')
            .map((p) => [p.attributes.name, propertyValue(p)]),
    );
}

// The form: the window's own properties, its controls in design order and
// the names of the controls in tab order. texts: each control's texts by
// its name ("controls" of amsim_page_stages' output).
export function readForm(path, texts) {
    const ui = parseXml(readFileSync(path, 'utf8'));
    const form = child(ui, 'widget');
    const withTexts = (widget) => ({ ...properties(widget), ...texts[widget.attributes.name] });
    return {
        name: form.attributes.name,
        properties: withTexts(form),
        controls: form.children
            .filter((c) => c.name === 'widget')
            .map((w) => ({ kind: w.attributes.class, name: w.attributes.name, ...withTexts(w) })),
        tabOrder: child(ui, 'tabstops').children.map((t) => t.text),
    };
}

// Font sizes: the form stores whole points, which the screen shows at 96
// pixels to the inch (8 points are 11 pixels, 10 are 13).
export function pixelsOfPoints(points) {
    return Math.round((points * 96) / 72);
}
