// Exercises on the page: a box hidden behind "?", its link that gives no
// value away, the answer judged in the page's notation, a spoilt code
// refused, and the built-in exercises from a seed.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';

import { address, canvasDigest, launch, open, value } from './support.mjs';

let chromium;
before(async () => {
    chromium = await launch();
});
after(async () => {
    await chromium?.close();
});

// A page whose console is collected from its start.
async function watched(query, size = {}) {
    const said = [];
    const { page } = await open(chromium.browser, {
        query,
        ...size,
        prepare: (tab) => {
            tab.on('console', (m) => said.push(`${m.type()}: ${m.text()}`));
            tab.on('pageerror', (e) => said.push(`error: ${e.message}`));
        },
    });
    return { page, said };
}

const shownText = (page, id) => page.$eval(`#${id}`, (e) => (e.hidden ? null : e.textContent));

async function answer(page, typed) {
    await page.$eval('#Respuesta', (box, text) => (box.value = text), typed);
    await page.focus('#Respuesta');
    await page.keyboard.press('Enter');
    return shownText(page, 'exercise-verdict');
}

async function openItem(page, item) {
    await page.click('#Menu');
    await page.click(`#${item}`);
}

// The teacher's dialog: the bench's setting made an exercise, its link and command.
async function made(page) {
    await openItem(page, 'CrearEjercicio');
    await page.click('#CrearEjercicio-panel button[type="submit"]');
    return page.evaluate(() => ({
        link: document.getElementById('exercise-link').value,
        command: document.getElementById('exercise-command').value,
        ticked: [...document.querySelectorAll('#CrearEjercicio-panel input:checked')].map((t) => t.value),
    }));
}

const codeOf = (link) => new URL(link).searchParams.get('ejercicio');

describe('an exercise', () => {
    it('hides its value from the link, the address and the box, and judges the answer', async () => {
        const teacher = await watched('?lang=en-US&mdl=0.7&ocultar=mdl');
        const offer = await made(teacher.page);
        assert.deepEqual(offer.ticked, ['mdl']);
        for (const handedOn of [offer.link, offer.command, await address(teacher.page)]) {
            assert.ok(!handedOn.includes('0.7') && !handedOn.includes('mdl='), handedOn);
        }
        assert.ok(codeOf(offer.link), offer.link);

        const plain = await watched('?lang=en-US&mdl=0.7');
        const student = await watched(new URL(offer.link).search);
        assert.equal(await value(student.page, 'mdl'), '?');
        assert.equal(await student.page.$eval('#ModulanteSubir', (b) => b.disabled), true);
        assert.equal(await canvasDigest(student.page), await canvasDigest(plain.page));
        // The solution is offered after the third wrong answer.
        for (const wrong of [1, 2, 3]) {
            assert.match(await answer(student.page, '0.5'), /^Incorrecto/);
            assert.equal(await shownText(student.page, 'MostrarSolucion') !== null, wrong === 3);
        }
        assert.equal(await answer(student.page, '0.7'), 'Correcto');
        // A change elsewhere keeps the value out of the address.
        await student.page.click('#VccSubir');
        assert.ok(!(await address(student.page)).includes('mdl='));

        const comma = await watched(new URL(offer.link).search.replace('lang=en-US', 'lang=es-ES'));
        assert.equal(await answer(comma.page, '0,7'), 'Correcto');

        for (const { page, said } of [teacher, plain, student, comma]) {
            assert.deepEqual(said, []);
            await page.close();
        }
    });

    it('refuses a spoilt code or an unknown box with a message that quotes it, the bench at its start', async () => {
        const teacher = await watched('?lang=en-US&mdl=0.7&ocultar=mdl');
        const code = codeOf((await made(teacher.page)).link);
        await teacher.page.close();
        const swapped = code[10] === '7' ? '8' : '7';
        const changed = `${code.slice(0, 10)}${swapped}${code.slice(11)}`;
        // A long code is quoted by its start.
        const rows = [
            ['a character changed', `ejercicio=${changed}`, changed.slice(0, 20)],
            ['cut short', `ejercicio=${code.slice(0, -4)}`, code.slice(0, 20)],
            ['an unknown box', 'mdl=0.7&ocultar=mdl,zzz', 'zzz'],
        ];
        for (const [name, query, quoted] of rows) {
            const { page, said } = await watched(`?lang=en-US&${query}`);
            const message = await shownText(page, 'message-text');
            assert.ok(message?.includes(quoted), `${name}: ${message}`);
            assert.equal(await value(page, 'mdl'), '1', name);
            assert.equal(await shownText(page, 'exercise'), null, name);
            assert.deepEqual(said, [], name);
            await page.close();
        }
    });

    it('opens a built-in one from its name and seed, by the address and by its dialog', async () => {
        // On a phone, the answer's box and its check large enough to touch.
        const byAddress = await watched('?ejercicio=indice&semilla=3', { width: 390, height: 844, scale: 3 });
        for (const id of ['Respuesta', 'Comprobar']) {
            const { width, height, right } = await byAddress.page.$eval(`#${id}`, (e) =>
                JSON.parse(JSON.stringify(e.getBoundingClientRect())),
            );
            assert.ok(width >= 44 && height >= 44 && right <= 390, `${id} ${width}x${height} to ${right}`);
        }
        const byDialog = await watched('?lang=es-ES');
        await openItem(byDialog.page, 'Ejercicios');
        await byDialog.page.click('#exercise-indice');
        await byDialog.page.type('#exercise-seed', '3');
        await byDialog.page.click('#Ejercicios-panel button[type="submit"]');
        assert.equal(await byDialog.page.$eval('#Ejercicios-panel', (d) => d.hidden), true);
        for (const { page, said } of [byAddress, byDialog]) {
            assert.equal(await value(page, 'mdl'), '?');
            assert.match(await shownText(page, 'exercise-question'), /índice de modulación/);
            assert.deepEqual(said, []);
        }
        await byAddress.page.close();
        await byDialog.page.close();
    });
});
