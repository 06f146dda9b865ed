// The page's side of the bench. It shows what the engine computes and holds
// no rule of its own: every click goes to the engine's handler of the same
// name, which reads and writes the boxes and panels through `page` below and
// draws the picture that `present` puts on the canvas.
'use strict';

(() => {
    const byId = (id) => document.getElementById(id);
    const form = byId('Form1');
    const canvas = byId('canvas');
    const drawing = canvas.getContext('2d');
    const description = byId('canvas-description');
    const message = byId('message');
    let frontmost = 2;

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
    // scale, drawn hard-edged.
    function letters(text, scale) {
        const style = getComputedStyle(form);
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
        return { lineHeight, ink };
    }

    // A text crosses to the engine as its UTF-8 bytes, length and all: a NUL
    // does not end it, and an unpaired surrogate becomes U+FFFD alone.
    const encoder = new TextEncoder();
    const utf8 = (text) => encoder.encode(text);

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
            Object.assign(byId(id).style, {
                left: `${left}px`,
                top: `${top}px`,
                width: `${width}px`,
                height: `${height}px`,
            });
        },
        describe: (sentence) => {
            description.textContent = sentence;
        },
        setMeasurements: (lines) => {
            byId('Measurements').replaceChildren(...lines.map((line) => {
                const shown = document.createElement('div');
                shown.textContent = line;
                return shown;
            }));
        },
        // Only the rows that changed go onto the canvas.
        present: (rgba, width, height, top, rows, positionsWide, positionsHigh) => {
            if (canvas.width !== width || canvas.height !== height) {
                canvas.width = width;
                canvas.height = height;
                canvas.style.width = `${positionsWide}px`;
                canvas.style.height = `${positionsHigh}px`;
            }
            const pixels = new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length);
            drawing.putImageData(new ImageData(pixels, width, height), 0, 0, 0, top, width, rows);
        },
        letters,
    };

    // --- Messages: on the page, announced, and the box to correct selected ---

    let releaseHeld = () => {};

    function report(outcome) {
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

    // Every button to its handler, and the step buttons' tooltips with their
    // steps in the page's notation.
    function wireButtons(bench) {
        const click = (button) => report(bench.click(button.id));
        for (const button of form.querySelectorAll('button')) {
            const tip = bench.stepToolTip(button.id);
            if (tip) {
                button.title = tip;
            }
            if (button.dataset.repeatDelay) {
                holdToRepeat(button, click);
            } else {
                button.addEventListener('click', () => click(button));
            }
        }
    }

    // --- The keyboard in a box: Enter redraws, Up and Down step ---

    function keysOfBoxes(bench) {
        for (const box of form.querySelectorAll('input')) {
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

    // --- Any screen: the window scaled down to a narrow screen's width ---

    function fit() {
        const scale = Math.min(1, document.documentElement.clientWidth / form.offsetWidth);
        document.documentElement.style.setProperty('--scale', String(scale));
    }
    fit();
    window.addEventListener('resize', fit);

    // --- Start: load, then the first picture ---

    // The drawing is made at the screen's device pixel ratio, and made again
    // when that changes: another screen, or the page zoomed.
    const ratio = () => Math.min(4, Math.max(1, window.devicePixelRatio || 1));
    function followRatio(bench) {
        const now = ratio();
        matchMedia(`(resolution: ${now}dppx)`).addEventListener('change', () => {
            report(bench.rescale(ratio()));
            followRatio(bench);
        }, { once: true });
    }

    createAmsimEngine().then((engine) => {
        const { decimal, exponent } = numberFormat();
        const bench = new engine.Bench(page, decimal, exponent, ratio());
        followRatio(bench);
        canvas.setAttribute('aria-label', engine.drawingName());
        wireButtons(bench);
        keysOfBoxes(bench);
        // ?mdl=…&vcc=… in the address: the lesson's start values.
        const given = new URLSearchParams(location.search);
        report(bench.start({ get: (name) => (given.has(name) ? utf8(given.get(name)) : null) }));
        performance.mark('amsim-first-picture');
        // A canvas whose memory the browser took back gets the drawing again.
        canvas.addEventListener('contextrestored', () => report(bench.showAgain()));
        // As in the window, the first control in tab order has the focus.
        form.querySelector('button, input')?.focus({ preventScroll: true });
        // For the tests and the benchmark: one redraw from the boxes as they are.
        window.amsim = { redraw: () => report(bench.redraw()) };
        document.documentElement.dataset.ready = 'true';
    }, (error) => {
        // A browser without WebAssembly gets a word rather than an empty bench.
        report({ message: `Este navegador no puede ejecutar el simulador: ${error}`, box: '' });
    });
})();
