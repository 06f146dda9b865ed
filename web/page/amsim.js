// The page's side of the bench. It shows what the engine computes and holds
// no rule of its own: every click goes to the engine's handler of the same
// name, which reads and writes the boxes and panels through `page` below and
// draws the picture that `paint` puts on the canvas.
'use strict';

(() => {
    const byId = (id) => document.getElementById(id);
    const form = byId('Form1');
    const canvas = byId('canvas');
    const drawing = canvas.getContext('2d');
    const description = byId('canvas-description');
    const announcement = byId('announcement');
    const message = byId('message');
    let frontmost = 2;

    // The page's own words, from the engine's catalogue, which the build
    // writes into the page in Spanish until the engine gives them in the
    // language in use: "{name}" in one is filled from values.
    let texts = JSON.parse(byId('page-texts').textContent);
    function pageText(key, values) {
        if (!(key in texts)) {
            throw new Error(`The catalogue has no page.${key}`);
        }
        return texts[key].replace(/\{(\w+)\}/g, (whole, name) => values[name]);
    }

    // The decimal separator and exponent letter of the browser's language,
    // or of ?lang=… in the address.
    function numberFormat() {
        let locales = navigator.languages;
        const asked = new URLSearchParams(location.search).get('lang');
        if (asked) {
            try {
                locales = Intl.getCanonicalLocales(asked);
            } catch {
                // Not a language tag: the browser's languages stand.
            }
        }
        const part = (options, value, type, fallback) =>
            new Intl.NumberFormat(locales, options).formatToParts(value).find((p) => p.type === type)?.value ??
            fallback;
        return {
            decimal: part({}, 1.5, 'decimal', '.'),
            exponent: part({ notation: 'scientific' }, 1e20, 'exponentSeparator', 'E'),
        };
    }

    // The inked pixels of a text in the window's font at the drawing's
    // scale, drawn hard-edged. The drawing's area keeps that font in both
    // layouts; the form takes a larger one on a phone.
    function letters(text, scale) {
        const style = getComputedStyle(byId('drawing'));
        const scratch = document.createElement('canvas').getContext('2d', { willReadFrequently: true });
        const setFont = () => {
            scratch.font = `${style.fontSize} ${style.fontFamily}`;
            scratch.letterSpacing = style.letterSpacing;
        };
        setFont();
        const metrics = scratch.measureText(text);
        const ascent = Math.ceil(metrics.fontBoundingBoxAscent);
        const lineHeight = ascent + Math.ceil(metrics.fontBoundingBoxDescent);
        scratch.canvas.width = Math.max(1, Math.ceil(metrics.width * scale));
        scratch.canvas.height = Math.ceil(lineHeight * scale);
        setFont();
        scratch.scale(scale, scale);
        scratch.fillText(text, 0, ascent);
        const { data, width, height } = scratch.getImageData(0, 0, scratch.canvas.width, scratch.canvas.height);
        const ink = [];
        for (let y = 0; y < height; ++y) {
            for (let x = 0; x < width; ++x) {
                if (data[(y * width + x) * 4 + 3] >= 128) {
                    ink.push(x, y);
                }
            }
        }
        return { lineHeight, width: scratch.canvas.width, ink };
    }

    // --- What the page shows: once a frame, however many changes came before ---

    // A browser shows one frame at a time, and rewriting the address costs it
    // more than a redraw: the drawing's pixels, its description (said
    // politely), the readout and the address are brought up to the last
    // change once, at the next frame, or at once when something reads them.
    const output = { picture: false, sentence: null, lines: null, rows: 0, columnGap: 0, address: false };
    let showRequest = 0;
    let showing = { changes: () => {}, address: () => {} };
    let whenShown = [];

    // While time runs, a frame changes a line or two of the readout: only
    // those are written.
    function writeReadout(lines, rows, columnGap) {
        const readout = byId('Measurements');
        if (readout.style.getPropertyValue('--rows') !== String(rows)) {
            readout.style.setProperty('--rows', String(rows));
        }
        if (readout.style.getPropertyValue('--column-gap') !== `${columnGap}px`) {
            readout.style.setProperty('--column-gap', `${columnGap}px`);
        }
        while (readout.children.length > lines.length) {
            readout.lastElementChild.remove();
        }
        while (readout.children.length < lines.length) {
            readout.append(document.createElement('div'));
        }
        lines.forEach((line, at) => {
            const shown = readout.children[at];
            if (shown.textContent !== line) {
                shown.textContent = line;
            }
        });
    }

    function showNow() {
        cancelAnimationFrame(showRequest);
        showRequest = 0;
        const { picture, sentence, lines, rows, columnGap, address } = output;
        Object.assign(output, { picture: false, sentence: null, lines: null, address: false });
        if (picture) {
            showing.changes();
        }
        if (sentence !== null) {
            description.textContent = sentence;
            announcement.textContent = sentence;
        }
        if (lines) {
            writeReadout(lines, rows, columnGap);
        }
        if (address) {
            showing.address();
        }
        whenShown.splice(0).forEach((done) => done());
    }

    function showLater() {
        showRequest ||= requestAnimationFrame(showNow);
    }

    // A text crosses to the engine as its UTF-8 bytes, length and all: a NUL
    // does not end it, and an unpaired surrogate becomes U+FFFD alone.
    const encoder = new TextEncoder();
    const utf8 = (text) => encoder.encode(text);

    // --- The panels: a picture of the engine's in a dialog over the page ---

    // By their menu items' names; each made at its first opening and kept.
    const panels = new Map();

    // A dialog over the page: its title, what it holds, and its closing
    // button, which with Escape calls close.
    function makeDialog(name, caption, closeText, content, close) {
        const dialog = document.createElement('div');
        Object.assign(dialog, { id: `${name}-panel`, className: 'picture-panel', hidden: true });
        dialog.setAttribute('role', 'dialog');
        dialog.setAttribute('aria-label', caption);
        const title = document.createElement('h2');
        title.textContent = caption;
        const closer = document.createElement('button');
        Object.assign(closer, { type: 'button', className: 'panel-close', textContent: closeText });
        closer.addEventListener('click', close);
        dialog.addEventListener('keydown', (event) => {
            if (event.key === 'Escape') {
                event.stopPropagation();
                close();
            }
        });
        dialog.append(title, content, closer);
        document.body.append(dialog);
        return { dialog, closer, close };
    }

    function makePanel(name, caption, closeText, close) {
        const picture = document.createElement('canvas');
        picture.setAttribute('role', 'img');
        picture.setAttribute('aria-label', caption);
        return { ...makeDialog(name, caption, closeText, picture, close), picture, context: picture.getContext('2d') };
    }

    const page = {
        text: (id) => utf8(byId(id).value),
        setText: (id, text) => {
            byId(id).value = text;
        },
        isShown: (id) => !byId(id).hidden,
        show: (id) => {
            const panel = byId(id);
            panel.hidden = false;
            panel.style.zIndex = String(++frontmost);
        },
        hide: (id) => {
            byId(id).hidden = true;
        },
        place: (id, left, top, width, height) => {
            const { style } = byId(id);
            style.setProperty('--x', `${left}px`);
            style.setProperty('--y', `${top}px`);
            style.setProperty('--w', `${width}px`);
            style.setProperty('--h', `${height}px`);
        },
        // The drawing's description, its readout and its pixels are shown at
        // the next frame, the last of each.
        describe: (sentence) => {
            output.sentence = sentence;
            showLater();
        },
        setMeasurements: (lines, rows, columnGap) => {
            output.lines = lines.split('\n');
            output.rows = rows;
            output.columnGap = columnGap;
            showLater();
        },
        present: () => {
            output.picture = true;
            showLater();
        },
        // Only the rows that changed go onto the canvas.
        paint: (rgba, width, height, top, rows, positionsWide, positionsHigh) => {
            if (canvas.width !== width || canvas.height !== height) {
                canvas.width = width;
                canvas.height = height;
                canvas.style.width = `${positionsWide}px`;
                canvas.style.height = `${positionsHigh}px`;
            }
            const pixels = new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length);
            drawing.putImageData(new ImageData(pixels, width, height), 0, 0, 0, top, width, rows);
        },
        // A panel's picture at once: it is drawn with the drawing.
        paintPanel: (name, rgba, width, height, top, rows, positionsWide, positionsHigh) => {
            const { picture, context } = panels.get(name);
            if (picture.width !== width || picture.height !== height) {
                picture.width = width;
                picture.height = height;
                picture.style.aspectRatio = `${positionsWide} / ${positionsHigh}`;
            }
            const pixels = new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length);
            context.putImageData(new ImageData(pixels, width, height), 0, 0, 0, top, width, rows);
        },
        // An exercise's hidden box and its step buttons take nothing.
        setBoxHidden: (id, hidden) => {
            const box = byId(id);
            for (const control of [box, ...box.closest('.row').querySelectorAll('button')]) {
                control.disabled = hidden;
            }
        },
        showExercise,
        answerText: () => utf8(byId('Respuesta').value),
        showLanguage: () => relabel(),
        letters,
    };

    // --- The exercise area under the readout: shown while there is a question ---

    const element = (tag, properties = {}) => Object.assign(document.createElement(tag), properties);

    // The answer's box, the check and the solution's button, named as the
    // engine's handlers are, so that their clicks go to them like any other.
    // Its texts come with the engine.
    function makeExerciseArea() {
        const area = element('section', { id: 'exercise', hidden: true });
        area.setAttribute('aria-labelledby', 'exercise-question');
        const question = element('p', { id: 'exercise-question' });
        const answer = element('input', { type: 'text', id: 'Respuesta', name: 'Respuesta', className: 'answer',
            spellcheck: false, autocomplete: 'off' });
        const label = element('label', { htmlFor: answer.id, id: 'Respuesta-label' });
        const check = element('button', { type: 'button', id: 'Comprobar', className: 'button' });
        const solution = element('button', { type: 'button', id: 'MostrarSolucion', className: 'button', hidden: true });
        const row = element('div', { className: 'exercise-row' });
        row.append(label, answer, check, solution);
        const verdict = element('p', { id: 'exercise-verdict' });
        verdict.setAttribute('role', 'status');
        area.append(question, row, verdict);
        byId('Measurements').after(area);
    }

    function labelExerciseArea(texts) {
        byId('Respuesta-label').textContent = texts.answerLabel;
        byId('Comprobar').textContent = texts.check;
        byId('MostrarSolucion').textContent = texts.showSolution;
    }

    function showExercise({ question, verdict, judged, solutionOffered, solutionShown }) {
        const asked = byId('exercise-question');
        if (asked.textContent !== question) {
            asked.textContent = question;
            byId('Respuesta').value = '';
        }
        byId('exercise').hidden = !question;
        const said = byId('exercise-verdict');
        said.textContent = verdict;
        said.dataset.judged = judged;
        byId('MostrarSolucion').hidden = !solutionOffered;
        byId('Comprobar').disabled = solutionShown;
        byId('Respuesta').disabled = solutionShown;
    }

    // --- Messages: on the page, announced, and the box to correct selected ---

    let releaseHeld = () => {};
    let afterEvent = () => {};

    function report(outcome) {
        afterEvent();
        if (!outcome.message) {
            message.hidden = true;
            return true;
        }
        releaseHeld();
        byId('message-text').textContent = outcome.message;
        message.hidden = false;
        if (outcome.box) {
            const box = byId(outcome.box);
            box.focus();
            box.select();
        }
        return false;
    }

    byId('message-close').addEventListener('click', () => {
        message.hidden = true;
    });
    document.addEventListener('keydown', (event) => {
        if (event.key === 'Escape') {
            message.hidden = true;
            for (const panel of [...panels.values(), ...dialogs.values()]) {
                if (!panel.dialog.hidden) {
                    panel.close();
                }
            }
        }
    });

    // --- The buttons ---

    // An arrow held down repeats its step, as in the window: after the delay,
    // then at every interval, and once more when it is let go over the button
    // (that last step is the ordinary click). An error stops it there.
    function holdToRepeat(button, click) {
        const delay = Number(button.dataset.repeatDelay);
        const interval = Number(button.dataset.repeatInterval);
        let timer = 0;
        let swallowClick = false;
        const stop = () => {
            clearTimeout(timer);
            timer = 0;
            button.classList.remove('held');
        };
        const repeat = () => {
            timer = setTimeout(repeat, interval);
            if (!click(button)) {
                swallowClick = true;
            }
        };
        const press = () => {
            stop();
            swallowClick = false;
            releaseHeld = stop;
            button.classList.add('held');
            timer = setTimeout(repeat, delay);
        };
        button.addEventListener('pointerdown', (event) => {
            if (event.button === 0) {
                press();
            }
        });
        for (const end of ['pointerup', 'pointercancel', 'pointerleave']) {
            button.addEventListener(end, stop);
        }
        button.addEventListener('keydown', (event) => {
            if (event.key === ' ' && !event.repeat) {
                press();
            }
        });
        button.addEventListener('keyup', (event) => {
            if (event.key === ' ') {
                stop();
            }
        });
        button.addEventListener('blur', stop);
        button.addEventListener('contextmenu', (event) => event.preventDefault());
        button.addEventListener('click', () => {
            stop();
            if (swallowClick) {
                swallowClick = false;
                return;
            }
            click(button);
        });
    }

    // The menu's button and items and the sound's toggle are the page's
    // own, not the handlers'. Pausa is the handlers' like any other.
    const handlersButtons = () => form.querySelectorAll('button:not([aria-haspopup], [role="menuitem"], #Escuchar)');

    // The step buttons' tooltips with their steps in the page's notation.
    function stepToolTips(bench) {
        for (const button of handlersButtons()) {
            const tip = bench.stepToolTip(button.id);
            if (tip) {
                button.title = tip;
            }
        }
    }

    // Every button to its handler.
    function wireButtons(bench) {
        const click = (button) => report(bench.click(button.id));
        stepToolTips(bench);
        for (const button of handlersButtons()) {
            if (button.dataset.repeatDelay) {
                holdToRepeat(button, click);
            } else {
                button.addEventListener('click', () => click(button));
            }
        }
    }

    // --- The keyboard in a box: Enter redraws, Up and Down step ---

    function keysOfBoxes(bench) {
        // Enter in the answer's box is its check's click.
        byId('Respuesta').addEventListener('keydown', (event) => {
            if (event.key === 'Enter') {
                report(bench.click('Comprobar'));
            }
        });
        for (const box of form.querySelectorAll('input.box')) {
            box.addEventListener('keydown', (event) => {
                if (event.key === 'Enter') {
                    report(bench.enter());
                } else if (event.key === 'ArrowUp' || event.key === 'ArrowDown') {
                    // Held down, the key repeats as the browser repeats keys.
                    event.preventDefault();
                    report(bench.arrowKey(box.id, event.key === 'ArrowUp'));
                }
            });
        }
    }

    // --- Any screen: the window's layout fitted to the viewport, or a phone's ---

    // Where the window's layout would be shown smaller than this, the page
    // takes a layout of its own: the drawing on top, the controls by stage.
    const SMALLEST_WINDOW = 0.8;
    // On a phone the drawing is shown as large as makes its scales' figures
    // this tall, in CSS pixels, and pans beneath a finger.
    const READABLE_FIGURES = 9.5;
    let layoutScale = 1;
    let onScale = () => {};

    // The window's design size, not the form's size now: in the phone's
    // layout the form is as tall as its column of stages.
    const design = (name) => parseFloat(getComputedStyle(document.documentElement).getPropertyValue(name));
    const FORM = { width: design('--form-width'), height: design('--form-height') };

    // The ink of a figure in the drawing's font, in its positions.
    function figureHeight() {
        const { fontSize, fontFamily } = getComputedStyle(byId('drawing'));
        const scratch = document.createElement('canvas').getContext('2d');
        scratch.font = `${fontSize} ${fontFamily}`;
        const { actualBoundingBoxAscent: ascent, actualBoundingBoxDescent: descent } = scratch.measureText('0');
        return ascent + descent;
    }

    // The window's layout grows beneath the drawing where the readout needs
    // more room than designed, as the window does, and by the exercise area,
    // which while shown lies beneath the readout.
    function windowHeight() {
        const readout = byId('Measurements');
        const readoutBottom = readout.offsetTop + readout.offsetHeight;
        const area = byId('exercise');
        document.documentElement.style.setProperty('--exercise-top', `${readoutBottom}px`);
        return Math.max(FORM.height, readoutBottom + (area.hidden ? 0 : area.offsetHeight));
    }

    function fit() {
        const { clientWidth: width, clientHeight: height } = document.documentElement;
        const phone = Math.min(width / FORM.width, height / FORM.height) < SMALLEST_WINDOW;
        document.documentElement.dataset.layout = phone ? 'phone' : 'window';
        const benchHeight = phone ? FORM.height : windowHeight();
        document.documentElement.style.setProperty('--bench-height', `${benchHeight}px`);
        const whole = Math.min(width / FORM.width, height / benchHeight);
        layoutScale = phone ? READABLE_FIGURES / figureHeight() : whole;
        document.documentElement.style.setProperty('--scale', String(layoutScale));
        fitCaptions();
        onScale();
    }

    // --- Captions another language makes longer than their room ---

    // The language the build wrote the page in, whose captions fit as designed.
    const BUILT_LANGUAGE = document.documentElement.lang;
    // A caption is made no smaller than this part of its size.
    const SMALLEST_CAPTION = 0.7;
    const overflows = (e) => e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight;

    // Made smaller a step at a time while the room overflows.
    function shrinkWhile(room, scale) {
        for (let factor = 0.95; factor >= SMALLEST_CAPTION && overflows(room); factor -= 0.05) {
            scale(factor);
        }
    }

    // In the window's layout each caption has its control's room, and a
    // longer one is written smaller (the saved bench's picture too); on a
    // phone captions wrap, and the bar of buttons at the foot, wider than
    // the screen, is written smaller.
    function fitCaptions() {
        const bar = byId('tools');
        bar.style.removeProperty('--bar-fit');
        const captions = [...form.querySelectorAll('.label:not(#Measurements), .button')]
            .filter((caption) => !caption.querySelector('svg'));
        for (const caption of captions.filter((c) => 'designFont' in c.dataset)) {
            caption.style.fontSize = caption.dataset.designFont;
            delete caption.dataset.designFont;
        }
        if (document.documentElement.lang === BUILT_LANGUAGE) {
            return;
        }
        if (document.documentElement.dataset.layout === 'phone') {
            shrinkWhile(bar, (factor) => bar.style.setProperty('--bar-fit', String(factor)));
            return;
        }
        for (const caption of captions.filter(overflows)) {
            const size = parseFloat(getComputedStyle(caption).fontSize);
            caption.dataset.designFont = caption.style.fontSize;
            shrinkWhile(caption, (factor) => {
                caption.style.fontSize = `${size * factor}px`;
            });
        }
    }
    makeExerciseArea();
    fit();
    window.addEventListener('resize', fit);
    const resized = new ResizeObserver(fit);
    resized.observe(byId('Measurements'));
    resized.observe(byId('exercise'));

    // --- Start: load, then the first picture ---

    // The drawing is made at the pixels it covers on the screen: the device
    // pixel ratio times the layout's scale. It is made again when that
    // changes: another screen, the page zoomed or the viewport resized. A
    // phone shows it larger than its screen, a piece at a time: at most one
    // and a half pixels a position there, about the pixels it drew across
    // its width and at about the same cost, which a slow phone can afford
    // at every frame.
    const mostPixels = () => (document.documentElement.dataset.layout === 'phone' ? 1.5 : 4);
    const ratio = () => Math.min(mostPixels(), Math.max(1, (window.devicePixelRatio || 1) * layoutScale));
    function followRatio(bench) {
        let made = ratio();
        const follow = () => {
            if (ratio() !== made) {
                made = ratio();
                report(bench.rescale(made));
            }
        };
        onScale = follow;
        const watchResolution = () => {
            matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
                follow();
                watchResolution();
            }, { once: true });
        };
        watchResolution();
    }

    // --- The address: the setting, rewritten after every change ---

    // The page's own address without the setting and its idioma=, which
    // the engine's link adds for the language in use; its ?lang=… and its
    // fragment (#…) kept.
    function ownAddress() {
        const lang = new URLSearchParams(location.search).get('lang');
        const plain = location.href.replace(/[?#].*$/, '');
        return (lang ? `${plain}?${new URLSearchParams({ lang })}` : plain) + location.hash;
    }

    function followAddress(bench) {
        const link = bench.link(ownAddress());
        if (link && link !== location.href) {
            history.replaceState(null, '', link);
        }
    }

    // --- Running time: a frame at every frame of the display while live ---

    // After every event the engine says whether time moves the bench and
    // whether it stands still; a bench at rest asks for no frame at all.
    function followTime(bench) {
        let request = 0;
        const pausa = byId('Pausa');
        const frame = () => {
            request = 0;
            const outcome = bench.frame();
            showNow();
            if (outcome.message) {
                report(outcome);
            } else if (bench.isLive()) {
                request = requestAnimationFrame(frame);
            }
        };
        return () => {
            const paused = String(bench.paused());
            if (pausa.getAttribute('aria-pressed') !== paused) {
                pausa.setAttribute('aria-pressed', paused);
            }
            if (!bench.isLive()) {
                cancelAnimationFrame(request);
                request = 0;
            } else if (!request) {
                request = requestAnimationFrame(frame);
            }
        };
    }

    // Space on the drawing is the pause's button, as in the window; a click
    // on the drawing gives it the keyboard.
    function keysOfDrawing(bench) {
        canvas.addEventListener('keydown', (event) => {
            if (event.key === ' ' && !event.repeat && !event.ctrlKey && !event.altKey &&
                !event.metaKey && !event.shiftKey) {
                event.preventDefault();
                report(bench.click('Pausa'));
            }
        });
        const drawingArea = byId('drawing');
        form.addEventListener('click', (event) => {
            const { left, top, right, bottom } = canvas.getBoundingClientRect();
            const onDrawing = event.target === form || drawingArea.contains(event.target);
            if (onDrawing && event.clientX >= left && event.clientX < right &&
                event.clientY >= top && event.clientY < bottom) {
                canvas.focus({ preventScroll: true });
            }
        });
    }

    // --- The saved image: the whole bench as the window's layout shows it ---

    // Composed from the form's design geometry and font, whatever layout or
    // zoom is on screen, stacked as in the window: the face, its labels and
    // the picture; the engine's drawing over them; the boxes and buttons in
    // front; the readout under the drawing.
    const designOf = (element) =>
        ['--x', '--y', '--w', '--h'].map((name) => parseFloat(element.style.getPropertyValue(name)));
    const colour = (name) => getComputedStyle(document.documentElement).getPropertyValue(name).trim();

    // The drawing's area keeps the design's font in both layouts. Returns the
    // line's height and where its baseline lies in it, as CSS places them.
    function useFont(context, element) {
        const { fontSize, fontFamily, letterSpacing, lineHeight } = getComputedStyle(byId('drawing'));
        const size = element.style.fontSize || fontSize;
        context.font = `${element.style.fontWeight || 'normal'} ${size} ${fontFamily}`;
        context.letterSpacing = letterSpacing;
        const line = (parseFloat(size) * parseFloat(lineHeight)) / parseFloat(fontSize);
        const { fontBoundingBoxAscent: ascent, fontBoundingBoxDescent: descent } = context.measureText('M');
        return { line, baseline: (line - ascent - descent) / 2 + ascent };
    }

    function clipped(context, [x, y, width, height], paint) {
        context.save();
        context.beginPath();
        context.rect(x, y, width, height);
        context.clip();
        paint();
        context.restore();
    }

    // A label's lines: as written, or broken between words to its width.
    function linesOf(context, label, width) {
        if (!label.classList.contains('wrap')) {
            return label.textContent.split('\n');
        }
        const lines = [''];
        for (const word of label.textContent.split(' ')) {
            const tried = lines.at(-1) ? `${lines.at(-1)} ${word}` : word;
            if (lines.at(-1) && context.measureText(tried).width > width) {
                lines.push(word);
            } else {
                lines[lines.length - 1] = tried;
            }
        }
        return lines;
    }

    function paintLabel(context, label) {
        const place = designOf(label);
        const { line, baseline } = useFont(context, label);
        clipped(context, place, () => linesOf(context, label, place[2]).forEach((text, at) =>
            context.fillText(text, place[0], place[1] + at * line + baseline)));
    }

    async function paintSvg(context, svg, x, y, width, height) {
        const picture = new Image();
        picture.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(new XMLSerializer().serializeToString(svg))}`;
        await picture.decode();
        context.drawImage(picture, x + (width - picture.width) / 2, y + (height - picture.height) / 2);
    }

    const readoutLines = () => [...byId('Measurements').children].map((shown) => shown.textContent);

    // The readout in columns of the engine's lines each, as wide as their longest.
    const readoutRows = () => Number(byId('Measurements').style.getPropertyValue('--rows'));

    function paintReadout(context, lines) {
        const readout = byId('Measurements');
        const [x, y] = designOf(readout);
        const spacing = getComputedStyle(readout);
        const { line, baseline } = useFont(context, readout);
        const rows = readoutRows();
        let left = x + parseFloat(spacing.paddingLeft);
        for (let first = 0; first < lines.length; first += rows) {
            const column = lines.slice(first, first + rows);
            column.forEach((text, at) =>
                context.fillText(text, left, y + parseFloat(spacing.paddingTop) + at * line + baseline));
            left += Math.max(...column.map((text) => context.measureText(text).width)) + parseFloat(spacing.columnGap);
        }
    }

    function paintFrame(context, [x, y, width, height], frame, top, bottom) {
        const face = context.createLinearGradient(0, y, 0, y + height);
        face.addColorStop(0, top);
        face.addColorStop(1, bottom);
        context.beginPath();
        context.roundRect(x + 0.5, y + 0.5, width - 1, height - 1, 1.5);
        context.fillStyle = face;
        context.fill();
        context.strokeStyle = frame;
        context.stroke();
        context.fillStyle = colour('--ink');
    }

    // A box with its value, a button with its caption or arrow, pressed in
    // where a toggle is on.
    async function paintFront(context, control) {
        const place = designOf(control);
        const [x, y, width, height] = place;
        const on = control.getAttribute('aria-pressed') === 'true';
        const box = control.tagName === 'INPUT';
        const [top, bottom] = box ? ['#fff', '#fff'] : [colour(on ? '--on-top' : '--button-top'), colour(on ? '--on-bottom' : '--button-bottom')];
        paintFrame(context, place, colour(on ? '--on-frame' : '--frame'), top, bottom);
        const icon = control.querySelector('svg');
        if (icon) {
            await paintSvg(context, icon, x, y, width, height);
            return;
        }
        const { line, baseline } = useFont(context, control);
        const textTop = y + (height - line) / 2 + baseline;
        clipped(context, [x + 1, y + 1, width - 2, height - 2], () => {
            context.textAlign = box ? 'left' : 'center';
            context.fillText(box ? control.value : control.textContent, box ? x + 3 : x + width / 2, textTop);
            context.textAlign = 'left';
        });
    }

    // The PNG of the whole bench at 1x, the engine's drawing (a PNG of its
    // own) in its place with the readout of its instant: frames that come
    // while the picture is composed change neither.
    async function benchPng(drawingPng, lines) {
        const image = document.createElement('canvas');
        const readout = byId('Measurements');
        const { line } = useFont(image.getContext('2d'), readout);
        const padding = parseFloat(getComputedStyle(readout).paddingTop);
        const readoutBottom = designOf(readout)[1] + 2 * padding + readoutRows() * line;
        [image.width, image.height] = [FORM.width, Math.max(FORM.height, Math.ceil(readoutBottom))];
        const context = image.getContext('2d');
        context.fillStyle = colour('--face');
        context.fillRect(0, 0, image.width, image.height);
        context.fillStyle = colour('--ink');
        // Labels and the picture in the page's order, which is the form's.
        for (const face of form.querySelectorAll('.face:not(#Measurements)')) {
            const picture = face.querySelector('svg:not(.unused)');
            if (picture) {
                await paintSvg(context, picture, ...designOf(face));
            } else {
                paintLabel(context, face);
            }
        }
        const drawn = await createImageBitmap(new Blob([drawingPng], { type: 'image/png' }),
            { premultiplyAlpha: 'none', colorSpaceConversion: 'none' });
        context.drawImage(drawn, 0, 0);
        for (const control of form.querySelectorAll('.front:is(.box, .button)')) {
            await paintFront(context, control);
        }
        paintReadout(context, lines);
        return new Promise((done) => image.toBlob(done, 'image/png'));
    }

    // --- The menu: the engine's items, each putting its text on the clipboard ---

    // The item whose file the page composes: the engine gives the drawing,
    // the page adds the bench around it.
    const WHOLE_BENCH_ITEM = 'GuardarImagen';

    // Opens the item's panel, which the engine then draws at every redraw; its
    // button and Escape close it, and the menu's button gets the focus back.
    function openPanel(bench, name, caption, closeText) {
        if (!panels.has(name)) {
            panels.set(name, makePanel(name, caption, closeText, () => {
                panels.get(name).dialog.hidden = true;
                bench.closePanel(name);
                byId('Menu').focus();
            }));
        }
        const panel = panels.get(name);
        panel.dialog.hidden = false;
        panel.closer.focus();
        if (report(bench.openPanel(name))) {
            showNow();
        }
    }

    // --- The exercises' dialogs: the teacher's, which makes one of the bench,
    // and the list of the built-in ones ---

    // By their menu items' names, made afresh at each opening: what they
    // offer follows the bench.
    const dialogs = new Map();

    // makeContent makes what it holds, again when the language changes.
    function openDialog(name, caption, closeText, makeContent) {
        dialogs.get(name)?.dialog.remove();
        const content = makeContent();
        const shell = makeDialog(name, caption, closeText, content, () => {
            shell.dialog.hidden = true;
            byId('Menu').focus();
        });
        dialogs.set(name, { ...shell, makeContent });
        shell.dialog.hidden = false;
        content.querySelector('input, select, button')?.focus();
    }

    // What the user entered in a dialog's fields, by their ids: ticks, choices
    // and typed texts, but not what the dialog itself wrote for copying.
    function enteredIn(dialog) {
        return [...dialog.querySelectorAll('input[id]:not([readonly]), select[id]')].map((field) => [
            field.id,
            field.type === 'checkbox' || field.type === 'radio' ? field.checked : field.value,
        ]);
    }

    function enterAgain(dialog, entered) {
        for (const [id, value] of entered) {
            const field = dialog.querySelector(`#${CSS.escape(id)}`);
            if (field && typeof value === 'boolean') {
                field.checked = value;
            } else if (field) {
                field.value = value;
                field.dispatchEvent(new Event('change'));
            }
        }
    }

    // A labelled field of a dialog, in a row of its own.
    function field(text, control) {
        const row = element('label', { className: 'dialog-field' });
        row.append(element('span', { textContent: text }), control);
        return row;
    }

    // A read-only field for what is handed on, with its copy button.
    function handedOn(text, copyText, id) {
        const shown = element('input', { type: 'text', id, readOnly: true, spellcheck: false });
        const copier = element('button', { type: 'button', className: 'button', textContent: copyText });
        copier.addEventListener('click', () => {
            shown.select();
            copy(shown.value, () => {});
        });
        const row = field(text, shown);
        row.append(copier);
        return row;
    }

    function createExerciseContent(engine, bench) {
        const texts = engine.exerciseTexts();
        const content = element('form', { className: 'dialog-body' });
        const hide = element('fieldset');
        hide.append(element('legend', { textContent: texts['create.hide'] }));
        for (const { option, label, hidden } of bench.hideableParameters()) {
            const tick = element('input', { type: 'checkbox', value: option, checked: hidden, id: `ocultar-${option}` });
            const row = element('label', { className: 'dialog-tick' });
            row.append(tick, element('span', { textContent: label }));
            hide.append(row);
        }
        const question = element('select', { id: 'exercise-question-choice' });
        question.append(element('option', { value: '', textContent: texts['create.firstHidden'] }),
            ...engine.exerciseQuestions().map(({ name, text }) => element('option', { value: name, textContent: text })));
        const tolerance = element('input', { type: 'text', id: 'exercise-tolerance', spellcheck: false, autocomplete: 'off' });
        const make = element('button', { type: 'submit', className: 'button', textContent: texts['create.make'] });
        const said = element('p', { className: 'dialog-message' });
        said.setAttribute('role', 'alert');
        const result = element('div', { hidden: true });
        result.append(handedOn(texts['create.link'], texts['create.copyLink'], 'exercise-link'),
            handedOn(texts['create.command'], texts['create.copyCommand'], 'exercise-command'));
        content.append(hide, field(texts['create.question'], question), field(texts['create.tolerance'], tolerance),
            make, said, result);
        content.addEventListener('submit', (event) => {
            event.preventDefault();
            const ticked = [...hide.querySelectorAll('input:checked')].map((tick) => tick.value);
            const outcome = bench.createExercise(ticked.join(','), question.value, utf8(tolerance.value), ownAddress());
            said.textContent = outcome.message;
            result.hidden = Boolean(outcome.message);
            if (!outcome.message) {
                const [link, command] = outcome.text.split('\n');
                byId('exercise-link').value = link;
                byId('exercise-command').value = command;
                result.scrollIntoView({ block: 'nearest' });
            }
        });
        return content;
    }

    function exercisesContent(engine, bench, close) {
        const texts = engine.exerciseTexts();
        const content = element('form', { className: 'dialog-body' });
        const list = element('fieldset');
        engine.builtInExercises().forEach(({ name, title }, at) => {
            const choice = element('input', { type: 'radio', name: 'exercise-choice', value: name, checked: at === 0,
                id: `exercise-${name}` });
            const row = element('label', { className: 'dialog-tick' });
            row.append(choice, element('span', { textContent: title }));
            list.append(row);
        });
        const seed = element('input', { type: 'text', id: 'exercise-seed', inputMode: 'numeric', autocomplete: 'off' });
        const open = element('button', { type: 'submit', className: 'button', textContent: texts['list.open'] });
        content.append(list, field(texts['list.seed'], seed), open);
        content.addEventListener('submit', (event) => {
            event.preventDefault();
            const chosen = list.querySelector('input:checked').value;
            if (report(bench.openExercise(chosen, utf8(seed.value)))) {
                close();
                showNow();
            }
        });
        return content;
    }

    // The menu's button and its list of the engine's items; returns what
    // fills the list anew in the language in use.
    function buildMenu(engine, bench) {
        const button = byId('Menu');
        const list = document.createElement('div');
        list.id = 'MenuItems';
        list.setAttribute('role', 'menu');
        list.hidden = true;
        const menuItem = ({ name, text, saves, done, close: closeText, dialog }) => {
            const item = document.createElement('button');
            Object.assign(item, { type: 'button', id: name, className: 'menu-item', textContent: text, tabIndex: -1 });
            item.setAttribute('role', 'menuitem');
            item.addEventListener('click', () => {
                close(true);
                if (dialog === 'createExercise') {
                    openDialog(name, text, closeText, () => createExerciseContent(engine, bench));
                    return;
                }
                if (dialog === 'exercises') {
                    openDialog(name, text, closeText,
                        () => exercisesContent(engine, bench, () => dialogs.get(name).close()));
                    return;
                }
                if (dialog === 'languages') {
                    openDialog(name, text, closeText,
                        () => languagesContent(engine, bench, () => dialogs.get(name).close()));
                    return;
                }
                if (closeText) {
                    openPanel(bench, name, text, closeText);
                    return;
                }
                if (saves) {
                    const outcome = bench.save(name);
                    if (!report(outcome)) {
                        return;
                    }
                    showNow();
                    const bytes = bench.savedBytes();
                    const saved = (file) => {
                        download(outcome.text, file);
                        confirm(`${done}${outcome.text}`, engine.confirmationMilliseconds);
                    };
                    if (name === WHOLE_BENCH_ITEM) {
                        benchPng(bytes, readoutLines()).then(saved);
                    } else {
                        saved(bytes);
                    }
                    return;
                }
                const outcome = bench.menu(name, ownAddress());
                if (report(outcome)) {
                    showNow();
                    copy(outcome.text, () => confirm(done, engine.confirmationMilliseconds));
                }
            });
            return item;
        };
        let items = [];
        const fill = () => {
            items = engine.menuItems().map(menuItem);
            list.replaceChildren(...items);
            list.setAttribute('aria-label', button.getAttribute('aria-label'));
        };
        fill();
        button.after(list);
        button.setAttribute('aria-haspopup', 'menu');
        button.setAttribute('aria-controls', list.id);
        button.setAttribute('aria-expanded', 'false');

        function close(refocus) {
            list.hidden = true;
            button.setAttribute('aria-expanded', 'false');
            if (refocus) {
                button.focus();
            }
        }
        function open() {
            list.style.setProperty('--x', `${button.offsetLeft}px`);
            list.style.setProperty('--y', `${button.offsetTop + button.offsetHeight}px`);
            list.hidden = false;
            button.setAttribute('aria-expanded', 'true');
            items[0].focus();
        }
        button.addEventListener('click', () => (list.hidden ? open() : close(true)));
        list.addEventListener('keydown', (event) => {
            const at = items.indexOf(document.activeElement);
            const moves = { ArrowDown: 1, ArrowUp: -1, Home: -at, End: items.length - 1 - at };
            if (event.key in moves) {
                event.preventDefault();
                items[(at + moves[event.key] + items.length) % items.length].focus();
            } else if (event.key === 'Escape') {
                event.stopPropagation();
                close(true);
            } else if (event.key === 'Tab') {
                close(false);
            }
        });
        document.addEventListener('pointerdown', (event) => {
            if (!list.hidden && !list.contains(event.target) && event.target !== button) {
                close(false);
            }
        });
        return fill;
    }

    // --- The language: the engine's texts in the one in use, kept for the next start ---

    const LANGUAGE_KEY = 'amsim.idioma';

    // The browser may keep nothing (storage refused, a private window).
    function rememberedLanguage() {
        try {
            return localStorage.getItem(LANGUAGE_KEY);
        } catch {
            return null;
        }
    }

    function rememberLanguage(tag) {
        try {
            localStorage.setItem(LANGUAGE_KEY, tag);
        } catch {
            // Not kept: the next start is in the address's language or Spanish.
        }
    }

    // The languages by their own names, the one in use pressed; a click
    // chooses one, and the page is relabelled at once.
    function languagesContent(engine, bench, close) {
        const content = element('div', { className: 'dialog-body languages' });
        const inUse = engine.languageInUse();
        for (const { tag, name } of engine.languageChoices()) {
            const choice = element('button', { type: 'button', className: 'button', textContent: name, lang: tag });
            choice.setAttribute('aria-pressed', String(tag === inUse));
            choice.addEventListener('click', () => {
                if (report(bench.chooseLanguage(utf8(tag)))) {
                    rememberLanguage(tag);
                    close();
                    showNow();
                }
            });
            content.append(choice);
        }
        return content;
    }

    // One text of the form's, where the build put it.
    function applyFormText({ control, property, text }) {
        const shown = byId(control);
        if (control === form.id) {
            if (property === 'accessibleName') {
                document.title = text;
                byId('bench').setAttribute('aria-label', text);
            }
            return;
        }
        if (property === 'accessibleName') {
            shown.setAttribute('aria-label', text);
        } else if (property === 'accessibleDescription') {
            byId(`${control}-description`).textContent = text;
        } else if (property === 'toolTip') {
            shown.title = text;
        } else if (property === 'text' && !shown.matches('input, textarea, #Measurements') && !shown.querySelector('svg')) {
            shown.textContent = text;
        }
    }

    // Every text the page shows in the language in use: the form's, the
    // stages', the page's own, the menu's, the panels' and dialogs', and the
    // block diagram of that language.
    function showLanguage(engine, bench, fillMenu) {
        const language = engine.languageInUse();
        document.documentElement.lang = language;
        texts = engine.pageTexts();
        engine.formTexts().forEach(applyFormText);
        stepToolTips(bench);
        const stages = engine.stageNames();
        form.querySelectorAll('.stage-name').forEach((heading, at) => {
            heading.textContent = stages[at];
        });
        fitCaptions();
        for (const diagram of form.querySelectorAll('.picture svg[data-language]')) {
            diagram.classList.toggle('unused', diagram.dataset.language !== language);
        }
        canvas.setAttribute('aria-label', engine.drawingName());
        labelExerciseArea(engine.exerciseTexts());
        byId('message-close').textContent = pageText('messageClose');
        fillMenu();
        const captions = new Map(engine.menuItems().map((item) => [item.name, item]));
        for (const [name, shell] of panels) {
            const { text, close: closeText } = captions.get(name);
            shell.dialog.setAttribute('aria-label', text);
            shell.dialog.querySelector('h2').textContent = text;
            shell.closer.textContent = closeText;
            shell.picture.setAttribute('aria-label', text);
        }
        // An open dialog is made again, with what the user ticked, chose and
        // typed in it; a closed one is made at its next opening.
        for (const [name, shell] of dialogs) {
            if (!shell.dialog.hidden) {
                const { text, close: closeText } = captions.get(name);
                const entered = enteredIn(shell.dialog);
                openDialog(name, text, closeText, shell.makeContent);
                enterAgain(dialogs.get(name).dialog, entered);
            }
        }
    }
    let relabel = () => {};

    // --- The sound: buffers the engine fills ahead, played by Web Audio ---

    // Buffers of 20 ms, kept 0.75 s ahead of what is heard: on a busy machine
    // the page may get no turn for over half a second, and the sound plays on
    // through it. The cost is delay: a change reaches the ear within 0.77 s,
    // crossfaded by the engine's generator.
    const SOUND_RATE = 48000;
    const SOUND_CHUNK = 960;
    const SOUND_LEAD = 0.75;

    function wireSound(bench, button) {
        let context = null;
        let timer = 0;
        let next = 0;
        const show = (on) => {
            button.setAttribute('aria-pressed', String(on));
            button.classList.toggle('on', on);
        };
        const fill = () => {
            if (next < context.currentTime) {
                next = context.currentTime + 0.01;
            }
            while (next < context.currentTime + SOUND_LEAD) {
                const buffer = context.createBuffer(1, SOUND_CHUNK, SOUND_RATE);
                buffer.copyToChannel(bench.soundSamples(SOUND_CHUNK), 0);
                const source = context.createBufferSource();
                source.buffer = buffer;
                source.connect(context.destination);
                source.start(next);
                next += SOUND_CHUNK / SOUND_RATE;
            }
        };
        // The sound playing keeps the bench live.
        const stop = () => {
            clearInterval(timer);
            bench.stopSound();
            context?.close();
            context = null;
            show(false);
            afterEvent();
        };
        // The toggle is the gesture a browser asks for before it plays.
        button.addEventListener('click', () => {
            if (context) {
                stop();
                return;
            }
            if (!report(bench.startSound())) {
                return;
            }
            context = new AudioContext({ sampleRate: SOUND_RATE });
            next = 0;
            fill();
            timer = setInterval(fill, SOUND_CHUNK / SOUND_RATE * 1000);
            show(true);
            afterEvent();
        });
        show(false);
    }

    // A file the engine made, handed to the browser to keep: no request, the
    // bytes are already here.
    function download(name, bytes) {
        const url = URL.createObjectURL(new Blob([bytes]));
        const link = Object.assign(document.createElement('a'), { href: url, download: name });
        link.click();
        setTimeout(() => URL.revokeObjectURL(url), 0);
    }

    // A menu item's word that it is done, in view for a moment and said.
    let confirmationShown = 0;
    function confirm(text, milliseconds) {
        const shown = byId('confirmation');
        const menu = byId('Menu').getBoundingClientRect();
        shown.style.setProperty('--menu-bottom', `${menu.bottom}px`);
        shown.style.setProperty('--menu-right', `${document.documentElement.clientWidth - menu.right}px`);
        shown.textContent = text;
        shown.hidden = false;
        announcement.textContent = text;
        clearTimeout(confirmationShown);
        confirmationShown = setTimeout(() => {
            shown.hidden = true;
        }, milliseconds);
    }

    // On the clipboard, and said politely; where the browser refuses, the
    // text is shown to be copied by hand.
    function copy(text, copied) {
        navigator.clipboard.writeText(text).then(() => {
            copied();
            announcement.textContent = pageText('copied', { text });
        }, () => {
            report({ message: pageText('copyFailed', { text }), box: '' });
        });
    }

    // A page that may start in another language than the build's shows the
    // bench only once the engine has told which and it is relabelled.
    const askedLanguage = new URLSearchParams(location.search).get('idioma');
    const awaitingLanguage = [askedLanguage, rememberedLanguage()].some((tag) => tag !== null && tag !== BUILT_LANGUAGE);
    document.documentElement.classList.toggle('relabelling', awaitingLanguage);
    const showBench = () => document.documentElement.classList.remove('relabelling');

    createAmsimEngine().then((engine) => {
        const { decimal, exponent } = numberFormat();
        byId('Measurements').style.padding = `${engine.readoutTop}px ${engine.readoutLeft}px`;
        // The language before anything is shown in it: the address's
        // idioma=, else the one chosen last time, else Spanish.
        const remembered = rememberedLanguage();
        const started = engine.startLanguage(askedLanguage === null ? null : utf8(askedLanguage),
            remembered === null ? null : utf8(remembered));
        const bench = new engine.Bench(page, decimal, exponent, ratio());
        followRatio(bench);
        canvas.setAttribute('aria-label', engine.drawingName());
        labelExerciseArea(engine.exerciseTexts());
        const fillMenu = buildMenu(engine, bench);
        wireButtons(bench);
        relabel = () => showLanguage(engine, bench, fillMenu);
        if (started.language !== BUILT_LANGUAGE) {
            relabel();
        }
        // Shown before the start, which may give a box the focus.
        showBench();
        wireSound(bench, byId('Escuchar'));
        keysOfBoxes(bench);
        keysOfDrawing(bench);
        // Every event rewrites the address, so that it holds the setting, and
        // the frames run while the bench is live.
        const followFrames = followTime(bench);
        showing = { changes: () => bench.showChanges(), address: () => followAddress(bench) };
        afterEvent = () => {
            output.address = true;
            showLater();
            followFrames();
        };
        // ?mdl=…&vcc=… in the address: the lesson's start values. As in the
        // window, the first control in tab order has the focus, unless a
        // start value's message gave it to its box.
        const given = new URLSearchParams(location.search);
        const start = { get: (name) => (given.has(name) ? utf8(given.get(name)) : null) };
        const outcome = bench.start(start);
        outcome.message = [outcome.message, started.message].filter(Boolean).join(' ');
        if (report(outcome)) {
            form.querySelector('button, input')?.focus({ preventScroll: true });
        }
        // The first picture is shown at once, not a frame later.
        showNow();
        performance.mark('amsim-first-picture');
        // A canvas whose memory the browser took back gets the drawing again.
        canvas.addEventListener('contextrestored', () => report(bench.showAgain()));
        // For the tests and the benchmark: one redraw from the boxes as they
        // are, what is left to show shown at once, a promise kept once the
        // page has shown its last change, and the instant on screen.
        window.amsim = {
            redraw: () => report(bench.redraw()),
            show: showNow,
            shown: () => (showRequest ? new Promise((done) => whenShown.push(done)) : Promise.resolve()),
            instant: () => bench.instant(),
        };
        document.documentElement.dataset.ready = 'true';
    }, (error) => {
        // A browser without WebAssembly gets a word rather than an empty bench.
        showBench();
        report({ message: pageText('noEngine', { error }), box: '' });
    });
})();
