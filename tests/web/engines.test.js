// The page's essential scenario in one browser engine, ALTITUDE_ENGINE
// (chromium, firefox or webkit): the worked example's pixels and read-outs,
// Page Down from the first moment, a mouse drag, the keys after a click on
// the figure, a finger's drag, a memo stroke and the reset button.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { Colors, parseDump, poll } from './browser.js';
import { startEngine } from './engines.js';

const name = process.env.ALTITUDE_ENGINE || 'chromium';
let engine;
let tab;
before(async () => {
    engine = await startEngine(name);
    console.log(`# ${name}: ${engine.version}`);
    tab = await engine.open({ width: 900, height: 541 });
});
after(async () => {
    await tab?.close();
    await engine?.close();
});

const waitFor = (what, fn, ...args) => poll(what, async () => (await tab.evaluate(fn, ...args)) || undefined);

const dump = async () => parseDump(await tab.evaluate(async () => (await window.altitude.ready).dump()));
const angle = async () => Number((await dump()).State.AngleA);
const colourIs = (x, y, rgb) => {
    const data = window.readFigure(x, y, 1, 1);
    return data[0] === rgb[0] && data[1] === rgb[1] && data[2] === rgb[2];
};
const waitForPixel = (what, x, y, rgb) => waitFor(what, colourIs, x, y, rgb);

async function clickOn(selector) {
    const [x, y] = await tab.evaluate((selector) => {
        const box = document.querySelector(selector).getBoundingClientRect();
        return [Math.round(box.left + box.width / 2), Math.round(box.top + box.height / 2)];
    }, selector);
    await tab.click(x, y);
}

async function press(key, times, expected) {
    for (let i = 0; i < times; ++i)
        await tab.press(key);
    assert.equal(await angle(), expected, `${times} x ${key}`);
}

test(`the page in ${name}`, async (t) => {
    await t.test('paints the worked example where the desktop does', async () => {
        // BC three pixels about y = 432.8, the altitude about x = 524.73, the
        // marks, and grid lines on row 54 and column 395.
        const expected = [[300, 431, Colors.black], [300, 433, Colors.black], [523, 300, Colors.black],
                          [525, 300, Colors.black], [526, 300, Colors.white], [515, 414, Colors.blue],
                          [515, 190, Colors.blue], [100, 54, Colors.grey], [100, 53, Colors.white],
                          [395, 30, Colors.grey]];
        for (const [x, y, rgb] of expected)
            await waitForPixel(`(${x}, ${y}) to be ${rgb}`, x, y, rgb);
        assert.equal(await angle(), 74);
    });

    await t.test('turns A with Page Down and Page Up from the first moment', async () => {
        await press('PageDown', 3, 71);
        await press('PageUp', 3, 74);
    });

    await t.test('shows the read-outs of the ticked boxes', async () => {
        for (const box of ['#Check2', '#Check3', '#Check4'])
            await clickOn(box);
        await waitFor('five read-outs shown', () => window.altitude.ready.then((api) =>
            (api.dump().match(/^Label[34]\(\d\) .* Visible=1$/gm) || []).length === 5));
        const c = await dump();
        const captions = ['Label3(0)', 'Label3(1)', 'Label3(2)', 'Label4(0)', 'Label4(1)'].map((n) => c[n].Caption);
        assert.deepEqual(captions, ['"５cm"', '" 4cm"', '" 3cm"', '" 2.4cm"', '" 3.2cm"']);
        // The red of AD's read-out, painted beside the altitude.
        await waitFor('AD\'s read-out painted in red', () => {
            const data = window.readFigure(525, 312, 100, 34);
            let red = 0;
            for (let i = 0; i < data.length; i += 4)
                red += data[i] > 200 && data[i + 1] < 60 && data[i + 2] < 60;
            return red > 30;
        });
    });

    await t.test('turns A one degree per move of a mouse drag', async () => {
        await tab.mouseDrag(450, 300, -20);
        assert.equal(await angle(), 94);
    });

    await t.test('gives the arrows to the figure after a click on it', async () => {
        await tab.click(450, 300);
        assert.equal(await tab.evaluate(() => document.activeElement.id), 'figure');
        await press('ArrowLeft', 10, 104);
    });

    await t.test('turns A one degree per move of a finger', { skip: !tab.touchDrag && 'the driver sends no touch' }, async () => {
        await tab.touchDrag(450, 300, 15);
        assert.equal(await angle(), 89);
    });

    await t.test('draws a memo stroke, which the reset button leaves and a mode clears', async () => {
        await clickOn('#Option1_1');
        await tab.mouseDrag(600, 100, 40);
        await waitForPixel('a memo stroke at (620, 100)', 620, 100, Colors.darkBlue);
        await clickOn('#Command1');
        assert.equal(await angle(), 74);
        await waitForPixel('the altitude back at x = 524', 524, 300, Colors.black);
        assert.ok(await tab.evaluate(colourIs, 620, 100, Colors.darkBlue), 'the stroke kept');
        await clickOn('#Option1_0');
        await waitForPixel('the memo cleared', 620, 100, Colors.white);
    });

    assert.deepEqual(tab.console(), [], 'nothing on the console');
});
