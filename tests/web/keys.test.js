// The figure from the keyboard, as on the desktop: last in the Tab order,
// a band along the edges while it has the focus, and the keys that turn A,
// all ending in Form1's key handler.
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { describe, test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { Colors, PageUrl, angle, controls, figureShown, mouseDrag, number, pixel, pressWith, quietPageEachTest,
         waitFor, waitForPixel } from './browser.js';

let page;
quietPageEachTest((opened) => { page = opened; });

// The column the altitude's middle falls in at `degrees`, at 900 x 541:
// A = M + 5 GridUnit (cos, -sin) of degrees x 3.14 / 180, M = (450, 432.8).
const altitudeColumn = (degrees) => Math.floor(450 + 5 * 54.1 * Math.cos((degrees * 3.14) / 180));

describe('the focused figure', () => {
    test('turns A one degree per key, ten with Shift, and Home resets', async () => {
        await page.focus('#figure');
        const steps = [['ArrowLeft', 75], ['PageUp', 76], ['ArrowRight', 75], ['PageDown', 74]];
        for (const [key, expected] of steps) {
            await page.keyboard.press(key);
            assert.equal(await angle(page), expected, key);
        }
        await pressWith(page, 'Shift', 'ArrowLeft');
        assert.equal(await angle(page), 84);
        await pressWith(page, 'Shift', 'PageUp');
        assert.equal(await angle(page), 94);
        // The altitude now stands left of the middle, where 94 degrees put it.
        const x = altitudeColumn(94);
        await waitForPixel(page, `the altitude at column ${x}`, x, 380, Colors.black);
        assert.deepEqual(await pixel(page, altitudeColumn(74), 380), Colors.white);
        await pressWith(page, 'Shift', 'ArrowRight');
        assert.equal(await angle(page), 84);
        await page.keyboard.press('Home');
        assert.equal(await angle(page), 74);
    });

    test('takes its keys from the browser, Page Down too, and leaves it the rest', async () => {
        await page.evaluate(() => {
            window.keys = [];
            window.addEventListener('keydown', (e) => window.keys.push(`${e.key} ${e.defaultPrevented}`));
        });
        await page.focus('#figure');
        await page.keyboard.press('PageDown');
        await pressWith(page, 'Control', 'ArrowLeft');
        assert.deepEqual(await page.evaluate(() => window.keys),
                         ['PageDown true', 'Control false', 'ArrowLeft false']);
        assert.equal(await angle(page), 73);
        assert.equal(await page.evaluate(() => document.scrollingElement.scrollTop), 0);
    });

    test('in memo mode leaves A alone with the arrows, and Home still resets', async () => {
        await mouseDrag(page, 450, 300, -6);
        await page.click('#Option1_1');
        await page.focus('#figure');
        for (const key of ['ArrowLeft', 'ArrowRight', 'PageUp', 'PageDown'])
            await page.keyboard.press(key);
        await pressWith(page, 'Shift', 'ArrowLeft');
        assert.equal(await angle(page), 80);
        await page.keyboard.press('Home');
        assert.equal(await angle(page), 74);
    });
});

describe('the keyboard focus', () => {
    test('reaches the figure last, shows a band beneath the lines only while there, and not in a copy', async () => {
        await page.focus('#Check4');
        await page.keyboard.press('Tab');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'figure');
        const highlight = await page.evaluate(() =>
            getComputedStyle(document.getElementById('figure')).color.match(/\d+/g).slice(0, 3).map(Number));
        assert.notDeepEqual(highlight, Colors.white);
        await waitForPixel(page, 'the focus band on the left edge', 1, 200, highlight);
        assert.deepEqual(await pixel(page, 470, 539), highlight);
        // Three pixels wide, and the grid line at x = 395.9 lies over it.
        assert.deepEqual(await pixel(page, 3, 200), Colors.white);
        assert.deepEqual(await pixel(page, 395, 1), Colors.grey);
        // A picture of the window (Ctrl+C) is the window as the class sees it.
        const copied = await page.evaluate(async () => {
            const image = (await window.altitude.ready).windowImage();
            return Array.from(image.getContext('2d').getImageData(1, 200, 1, 1).data.slice(0, 3));
        });
        assert.deepEqual(copied, Colors.white);
        await waitForPixel(page, 'the band back after the copy', 1, 200, highlight);

        await pressWith(page, 'Shift', 'Tab');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'Check4');
        await waitForPixel(page, 'the band gone with the focus', 1, 200, Colors.white);
    });

    test('goes to the figure with a press, its band only after a key', async () => {
        await page.focus('#Check2');
        await mouseDrag(page, 450, 300, -3);
        assert.equal(await angle(page), 77);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'figure');
        await waitFor(page, 'a frame', () => new Promise((resolve) => requestAnimationFrame(() => resolve(true))));
        assert.deepEqual(await pixel(page, 1, 200), Colors.white);
        await page.keyboard.press('ArrowLeft');
        assert.equal(await angle(page), 78);
        await waitForPixel(page, 'the band after a key', 1, 200, await page.evaluate(() =>
            getComputedStyle(document.getElementById('figure')).color.match(/\d+/g).slice(0, 3).map(Number)));
    });

    test('leaves a focused box its arrows but turns A with Page Down', async () => {
        await page.focus('#Check2');
        await page.keyboard.press('PageDown');
        await page.keyboard.press('ArrowLeft');
        assert.equal(await angle(page), 73);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'Check2');
    });

    test('comes into the page inside another site\'s frame with a click on the figure: arrows and Ctrl+S', async () => {
        const host = join(mkdtempSync(join(tmpdir(), 'altitude-frame-')), 'host.html');
        writeFileSync(host, `<body style="margin:0"><iframe src="${PageUrl}" width="900" height="541"
            style="border:0;display:block"></iframe><script>window.keys = [];
            addEventListener('keydown', (e) => window.keys.push(e.key));</script></body>`);
        const framed = await page.browser().newPage();
        await framed.setViewport({ width: 1000, height: 700 });
        await framed.goto(pathToFileURL(host).href, { waitUntil: 'load' });
        const frame = framed.frames().find((f) => f.url() === PageUrl);
        await waitFor(frame, 'the framed page', async () => (await window.altitude.ready) && true);
        await framed.mouse.click(450, 300);
        await framed.keyboard.press('ArrowLeft');
        await pressWith(framed, 'Control', 'KeyS');
        await waitFor(frame, 'the save dialog in the frame', () => document.getElementById('save').open);
        assert.equal(await angle(frame), 75);
        assert.deepEqual(await framed.evaluate(() => window.keys), []);
        await framed.close();
        rmSync(dirname(host), { recursive: true, force: true });
    });
});

describe('the lesson and the list of keys', () => {
    const Ivory = [255, 248, 232]; // the lesson's panel
    const PaleBlueGrey = [234, 240, 246]; // the list of keys
    const lesson = () => page.evaluate(async () => (await window.altitude.ready).lesson());
    // A pixel of a panel's own colour: by its right edge, half way down.
    async function inside(name) {
        const panel = (await controls(page))[name];
        return [Math.floor(number(panel.Left) + number(panel.Width) - 3), Math.floor(number(panel.Top) + number(panel.Height) / 2)];
    }

    test('S and Shift+S step the lesson from any control, and a screen reader hears it', async () => {
        await page.focus('#Check2');
        for (let i = 0; i < 3; ++i)
            await page.keyboard.press('s');
        assert.equal(await lesson(), 3);
        await waitForPixel(page, "the lesson's panel", ...(await inside('LessonPanel')), Ivory);
        await waitFor(page, 'the relation in the description', () =>
            document.getElementById('lengths').textContent.includes('ABの2乗 ＝ 4 × 4 ＝ 16。BD × BC ＝ 3.2 × 5 ＝ 16'));
        await pressWith(page, 'Shift', 'KeyS');
        assert.equal(await lesson(), 2);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'Check2');
    });

    test('a finger steps the lesson by its control, named for a screen reader, and never turns A', async () => {
        const named = (name) => `#buttons button[aria-label="${name}"]`;
        assert.equal(await page.$(`${named('次へ')}:not([hidden])`), null, 'no step control before the lesson');
        await page.keyboard.press('s');
        for (let i = 0; i < 3; ++i)
            await page.click(named('次へ'));
        assert.equal(await lesson(), 4);
        await waitFor(page, 'the step as text', () =>
            [...document.querySelectorAll('#buttons .step')].some((part) => !part.hidden && part.textContent === '4／9'));
        await page.click(named('前へ'));
        assert.equal(await lesson(), 3);
        await page.click(named('授業を終える'));
        assert.equal(await lesson(), 0);
        await waitFor(page, 'the step control to go', () =>
            [...document.querySelectorAll('#buttons .step, #buttons button[aria-label]')].every((part) => part.hidden));
        assert.equal(await angle(page), 74);
    });

    test('on an upright phone stands below the figure with its step control, larger than beside it', async () => {
        await page.focus('#figure');
        await page.keyboard.press('s');
        const beside = await controls(page);
        await page.setViewport({ width: 390, height: 844 });
        let upright;
        for (const deadline = Date.now() + 20000; ; ) {
            upright = await controls(page);
            if (number(upright.Form1.ScaleWidth) === 390)
                break;
            assert.ok(Date.now() < deadline, 'the page never took the width of the phone');
            await new Promise((resolve) => setTimeout(resolve, 100));
        }
        const figureBottom = number(upright.Form1.ScaleHeight);
        assert.ok(figureBottom < 844 / 2, `a figure ${figureBottom} high`);
        assert.equal(upright.LessonPanel.Visible, '1');
        assert.ok(number(upright.LessonPanel.Top) >= figureBottom, 'the panel over the figure');
        assert.ok(number(upright.LessonNext.Top) >= figureBottom, 'the step control over the figure');
        assert.ok(number(upright['LessonText(0)'].Height) > number(beside['LessonText(0)'].Height),
                  'the text no larger than beside the figure');
    });

    test('F1 lists the keys until any key or press, which does nothing else', async () => {
        const closers = [() => page.keyboard.press('ArrowLeft'), () => mouseDrag(page, 450, 300, -3),
                         () => page.click('#Check1')];
        for (const close of closers) {
            await page.keyboard.press('F1');
            const at = await inside('KeyHelpPanel');
            await waitForPixel(page, 'the list of keys', ...at, PaleBlueGrey);
            await close();
            await waitFor(page, 'the list to close', ([x, y]) => window.readFigure(x, y, 1, 1)[2] !== 246, at);
        }
        assert.equal(await angle(page), 74);
        assert.equal(await page.evaluate(() => document.getElementById('Check1').checked), true);
    });

    test('a presenter remote runs the lesson, F5 and Esc only on the focused figure', async () => {
        await page.evaluate(() => {
            window.keys = [];
            window.addEventListener('keydown', (e) => window.keys.push(`${e.key} ${e.defaultPrevented}`));
        });
        await page.focus('#Check2');
        await page.keyboard.press('F5');
        assert.equal(await lesson(), 0);
        await page.focus('#figure');
        const steps = [['F5', 1], ['PageDown', 2], ['PageDown', 3], ['PageUp', 2], ['F5', 1], ['Escape', 0]];
        for (const [key, step] of steps) {
            await page.keyboard.press(key);
            assert.equal(await lesson(), step, key);
        }
        await page.keyboard.press('Escape');
        await page.keyboard.press('PageDown');
        assert.equal(await angle(page), 73);
        assert.deepEqual(await page.evaluate(() => window.keys), ['F5 false', ...steps.map(([key]) => `${key} true`),
                                                                  'Escape false', 'PageDown true']);
    });

    test('F1, then Shift+S or Shift+Page Down, closes the list and does nothing else', async () => {
        await page.keyboard.press('s');
        for (const key of ['KeyS', 'PageDown']) {
            await page.keyboard.press('F1');
            await page.keyboard.down('Shift');
            assert.equal(await page.evaluate(async () => (await window.altitude.ready).core.keyHelpShown()), true);
            await page.keyboard.down(key);
            await page.keyboard.down(key); // a repeat, swallowed with it
            await page.keyboard.up(key);
            await page.keyboard.up('Shift');
            assert.equal(await lesson(), 1, key);
        }
        assert.equal(await angle(page), 74);
    });

    test('the menu of a right click that moved nothing starts and ends the lesson; a drag opens none', async () => {
        const menu = () => page.evaluate(() => {
            const element = document.getElementById('menu');
            return element.hidden ? null : { role: element.getAttribute('role'), focused: document.activeElement.textContent,
                                            items: [...element.querySelectorAll('[role="menuitem"]')].map((i) => i.textContent) };
        });
        await page.mouse.move(800, 400);
        await page.mouse.down({ button: 'right' });
        await page.mouse.move(790, 400);
        await page.mouse.up({ button: 'right' });
        assert.equal(await menu(), null);
        assert.equal(await angle(page), 75);
        for (const [first, step] of [['授業を始める', 1], ['授業を終える', 0]]) {
            await page.mouse.click(800, 400, { button: 'right' });
            assert.deepEqual(await menu(), { role: 'menu', focused: first, items: [first, 'キー一覧', '保存…', '印刷…'] });
            await page.keyboard.press('Enter');
            assert.equal(await lesson(), step);
            assert.equal(await menu(), null);
            assert.equal(await page.evaluate(() => document.activeElement.id), 'figure');
        }
        await page.mouse.click(800, 400, { button: 'right' });
        await page.keyboard.press('ArrowDown');
        await page.keyboard.press('Escape');
        assert.equal(await menu(), null);
        assert.equal(await lesson(), 0);
    });

    test('ink and a drag of A start on the panel\'s text', async () => {
        await page.keyboard.press('s');
        const text = (await controls(page))['LessonText(0)'];
        const [x, y] = [Math.round(number(text.Left)) + 4, Math.round(number(text.Top)) + 8];
        await page.click('#Option1_1');
        await mouseDrag(page, x, y, -30);
        assert.ok(await page.evaluate(async () => (await window.altitude.ready).core.surface() !== null));
        await page.click('#Option1_0');
        await mouseDrag(page, x, y, -3);
        assert.equal(await angle(page), 77);
    });

    test('opens at the step and angle its address names, and keeps the address current', async () => {
        await page.goto(`${PageUrl}#lesson=3&angle=30`);
        await figureShown(page);
        assert.equal(await lesson(), 3);
        assert.equal(await angle(page), 30);
        await waitFor(page, 'the step at 30 degrees in the description', () =>
            document.getElementById('lengths').textContent.includes('23.04'));
        const entries = await page.evaluate(() => history.length);
        await page.keyboard.press('s');
        await waitFor(page, 'the address at step 4', () => window.location.hash === '#lesson=4&angle=30');
        await page.click('#Check2');
        await page.click('#Check3');
        await page.click('#Check4');
        await page.click('#Check1');
        await waitFor(page, 'the address with the lengths and without the grid',
                      () => window.location.hash === '#lesson=4&angle=30&lengths=1&grid=0');
        assert.equal(await page.evaluate(() => history.length), entries);
        await page.reload({ waitUntil: 'load' });
        await figureShown(page);
        assert.equal(await lesson(), 4);
        assert.equal(await angle(page), 30);
        assert.deepEqual(await page.evaluate(() => ['Check1', 'Check2', 'Check4'].map((id) => document.getElementById(id).checked)),
                         [false, true, true]);
    });

    test('opens at the step its address names, and follows it', async () => {
        await page.goto(`${PageUrl}#lesson=5`);
        assert.equal(await lesson(), 5);
        await page.goto(`${PageUrl}#lesson=3`);
        await page.reload({ waitUntil: 'load' });
        await figureShown(page);
        assert.equal(await lesson(), 3);
        await waitForPixel(page, "the lesson's panel at start-up", ...(await inside('LessonPanel')), Ivory);
    });
});
