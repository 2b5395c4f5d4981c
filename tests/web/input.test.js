// The page driven as a person would: mouse and finger drags, memo strokes,
// the option buttons, the grid box, the reset button, a resize and Ctrl+C.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { Colors, angle, controls, mouseDrag, number, openPage, pixel, pressWith, quietPageEachTest, waitFor,
         waitForPixel } from './browser.js';

let page;
let browser;
quietPageEachTest((opened, launched) => { page = opened; browser = launched; });

const dragging = async () => (await controls(page)).State.Dragging;

// A finger's drag through DevTools: a touch, `moves` moves of one pixel
// (left for a negative count), and the finger lifted.
async function touchDrag(x, y, moves) {
    const session = await page.createCDPSession();
    const point = () => [{ x, y, id: 1, radiusX: 1, radiusY: 1, force: 1 }];
    await session.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: point() });
    for (let i = 0; i < Math.abs(moves); ++i) {
        x += Math.sign(moves);
        await session.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: point() });
    }
    await session.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    await session.detach();
}

describe('dragging', () => {
    test('with the mouse turns A one degree per move', async () => {
        await mouseDrag(page, 450, 300, -60);
        assert.equal(await angle(page), 134);
        await mouseDrag(page, 450, 300, 100);
        assert.equal(await angle(page), 34);
        // A moves on screen: the altitude leaves x = 524 once it is painted.
        await waitForPixel(page, 'the old altitude to be wiped', 524, 300, Colors.white);
    });

    test('with a finger turns A one degree per move', async () => {
        await touchDrag(450, 300, -45);
        assert.equal(await angle(page), 119);
        await touchDrag(450, 300, 20);
        assert.equal(await angle(page), 99);
    });

    test('takes a report at the place of the last one for no move', async () => {
        // A pen held still, its pressure alone changing, and an unmoved mouse.
        const session = await page.createCDPSession();
        for (const pointerType of ['pen', 'mouse']) {
            for (const [type, i] of [['mousePressed', 0], ...Array.from({ length: 30 }, (_, i) => ['mouseMoved', i]), ['mouseReleased', 0]])
                await session.send('Input.dispatchMouseEvent', { type, x: 450, y: 300, button: 'left', clickCount: 1,
                    buttons: type === 'mouseReleased' ? 0 : 1, pointerType, force: i / 30 });
        }
        assert.equal(await angle(page), 74);
    });

    test('goes on outside the figure while the button is held', async () => {
        await page.mouse.move(450, 300);
        await page.mouse.down();
        for (const x of [200, -50, -80, -120])
            await page.mouse.move(x, 300);
        await page.mouse.up();
        assert.equal(await angle(page), 78);
        // After the release, moving does nothing.
        await page.mouse.move(100, 100);
        await page.mouse.move(50, 100);
        assert.equal(await angle(page), 78);
    });

    test('ends where its release was lost, and no other pointer takes part', async () => {
        // Five held moves, the release lost (Alt+Tab mid-drag), ten hover moves.
        const session = await page.createCDPSession();
        const mouse = (type, x, buttons = 1) => session.send('Input.dispatchMouseEvent',
            { type, x, y: 300, buttons, button: buttons ? 'left' : 'none', clickCount: 1 });
        for (let i = 0; i <= 15; ++i)
            await mouse(i === 0 ? 'mousePressed' : 'mouseMoved', 450 - i, i <= 5 ? 1 : 0);
        assert.deepEqual([await angle(page), await dragging()], [79, '0']);
        // The window losing the focus ends a drag too.
        for (const [type, x] of [['mousePressed', 450], ['mouseMoved', 449], ['blur'], ['mouseMoved', 440]])
            await (type === 'blur' ? page.evaluate(() => window.dispatchEvent(new Event('blur'))) : mouse(type, x));
        assert.deepEqual([await angle(page), await dragging()], [80, '0']);
        // A finger's drag: the mouse hovering meanwhile does not turn A.
        await mouse('mouseReleased', 440, 0);
        const touch = (type, x) => session.send('Input.dispatchTouchEvent',
            { type, touchPoints: x ? [{ x, y: 300, id: 1, radiusX: 1, radiusY: 1, force: 1 }] : [] });
        await touch('touchStart', 450);
        for (const x of [449, 300, 310, 320, 448])
            await (x > 400 ? touch('touchMove', x) : mouse('mouseMoved', x, 0));
        await touch('touchEnd');
        assert.equal(await angle(page), 82);
    });

    test('counts one step per delivered move where moves come merged', async () => {
        // As over plain http: no coalesced events, no raw updates.
        const { page: merged } = await openPage(browser, { prepare: () => {
            delete PointerEvent.prototype.getCoalescedEvents;
            delete window.onpointerrawupdate;
            window.delivered = 0;
            addEventListener('pointermove', (e) => { window.delivered += e.buttons !== 0; }, true);
        } });
        // Forty moves sent at once, faster than frames, left of the press.
        const session = await merged.createCDPSession();
        const mouse = (type, x, buttons) => session.send('Input.dispatchMouseEvent',
            { type, x, y: 300, buttons, button: 'left', clickCount: 1 });
        await mouse('mousePressed', 450, 1);
        await Promise.all(Array.from({ length: 40 }, (_, i) => mouse('mouseMoved', 449 - i, 1)));
        await mouse('mouseReleased', 410, 0);
        const delivered = await merged.evaluate(() => window.delivered);
        assert.ok(delivered >= 1 && delivered <= 40, `${delivered} moves delivered`);
        assert.equal(await angle(merged), 74 + delivered);
        await merged.close();
    });

    test('does not start on a letter, which takes the press itself', async () => {
        const letterB = (await controls(page))['Label1(1)'];
        const x = Math.round(number(letterB.Left)) + 5;
        const y = Math.round(number(letterB.Top)) + 5;
        await mouseDrag(page, x, y, -10);
        assert.equal(await angle(page), 74);
    });

    test('does not start on a button', async () => {
        await page.mouse.move(50, 28); // on the reset button
        await page.mouse.down();
        await page.mouse.move(40, 28);
        await page.mouse.move(30, 28);
        await page.mouse.up();
        assert.equal(await angle(page), 74);
    });
});

describe('the memo', () => {
    test('draws strokes beneath the figure and clears them with either option', async () => {
        await page.click('#Option1_1');
        await mouseDrag(page, 600, 100, 40);
        await waitForPixel(page, 'a memo stroke at (620, 100)', 620, 100, Colors.darkBlue);
        // The reset button leaves the memo where it is.
        await page.click('#Command1');
        await mouseDrag(page, 600, 120, 10); // still memo mode
        await waitForPixel(page, 'a second stroke at (605, 120)', 605, 120, Colors.darkBlue);
        assert.deepEqual(await pixel(page, 620, 100), Colors.darkBlue);
        assert.equal(await angle(page), 74);

        await page.click('#Option1_0');
        await waitForPixel(page, 'the memo to be cleared', 620, 100, Colors.white);
        assert.deepEqual(await pixel(page, 605, 120), Colors.white);
        // Move mode again: a drag turns A.
        await mouseDrag(page, 450, 300, -5);
        assert.equal(await angle(page), 79);
    });
});

describe('the buttons', () => {
    test('the grid box hides and shows the grid', async () => {
        assert.deepEqual(await pixel(page, 395, 30), Colors.grey);
        await page.click('#Check1');
        await waitForPixel(page, 'the grid to be hidden', 395, 30, Colors.white);
        await page.click('#Check1');
        await waitForPixel(page, 'the grid to be shown', 395, 30, Colors.grey);
    });

    test('the reset button puts A back, also from the keyboard', async () => {
        await mouseDrag(page, 450, 300, -30);
        assert.equal(await angle(page), 104);
        await page.click('#Command1');
        assert.equal(await angle(page), 74);
        await mouseDrag(page, 450, 300, 12);
        await page.focus('#Command1');
        await page.keyboard.press('Space');
        assert.equal(await angle(page), 74);
    });

    test('take a tap, though no gesture on them zooms the page', async () => {
        const { x, y, width, height } = await page.$eval('#Check1', (e) => e.getBoundingClientRect().toJSON());
        const session = await page.createCDPSession();
        for (const touchPoints of [[{ x: x + width / 2, y: y + height / 2, id: 1 }], []])
            await session.send('Input.dispatchTouchEvent', { type: touchPoints.length ? 'touchStart' : 'touchEnd', touchPoints });
        await waitForPixel(page, 'the grid to be hidden by a tap', 395, 30, Colors.white);
        assert.equal(await page.$eval('#Check1', (e) => getComputedStyle(e.parentElement).touchAction), 'none');
    });

    test('are real form controls in the design order, with the design captions', async () => {
        const order = await page.evaluate(() =>
            Array.from(document.querySelectorAll('#buttons button:not([hidden]), #buttons input'), (e) => [e.id, e.type, e.checked ?? false]));
        assert.deepEqual(order, [['Command1', 'button', false], ['Option1_0', 'radio', true],
                                 ['Option1_1', 'radio', false], ['Check1', 'checkbox', true],
                                 ['Check2', 'checkbox', false], ['Check3', 'checkbox', false],
                                 ['Check4', 'checkbox', false]]);
        const captions = await page.evaluate(() =>
            Array.from(document.querySelectorAll('#buttons .control:not([hidden])'), (e) => e.textContent));
        assert.deepEqual(captions, ['初期画面', 'Ａ移動・メモクリア', 'メモ書き', '方眼表示', '３辺の長さ',
                                    'ＡＤの長さ', 'ＢＤの長さ']);
    });
});

describe('the viewport', () => {
    test('a resize rebuilds the figure for the new size and clears the memo', async () => {
        await page.click('#Option1_1');
        await mouseDrag(page, 600, 100, 40);
        await page.click('#Option1_0');
        await page.click('#Option1_1');
        await mouseDrag(page, 100, 300, 20);
        await mouseDrag(page, 450, 300, 0);
        await page.click('#Option1_0');
        await mouseDrag(page, 450, 300, -20);
        assert.equal(await angle(page), 94);

        await page.setViewport({ width: 700, height: 400 });
        await waitFor(page, 'the figure for 700 x 400', () =>
            window.altitude.ready.then((api) => /ScaleWidth=442f0000 ScaleHeight=43c80000/.test(api.dump())));
        const c = await controls(page);
        assert.equal(c.State.AngleA, '74');
        assert.equal(number(c.State.GridUnit), 40);
        assert.equal(number(c.State.Bx), 150);
        assert.equal(number(c.State.Cx), 550);
        // BC at y = 320, three pixels wide.
        await waitForPixel(page, 'BC at y = 320', 300, 320, Colors.black);
    });
});

describe('Ctrl+C', () => {
    test('puts the window as it looks on the clipboard as a PNG', async () => {
        await page.evaluate(() => {
            window.copied = [];
            navigator.clipboard.write = async (items) => {
                for (const item of items)
                    for (const type of item.types)
                        window.copied.push(await item.getType(type));
            };
        });
        await page.click('#Option1_1');
        await mouseDrag(page, 600, 100, 40);
        await page.keyboard.down('Control');
        await page.keyboard.press('KeyC');
        await page.keyboard.up('Control');
        await waitFor(page, 'an image on the clipboard', () => window.copied.length > 0);
        const copied = await page.evaluate(async () => {
            const blob = window.copied[0];
            const image = await createImageBitmap(blob);
            const canvas = new OffscreenCanvas(image.width, image.height);
            const context = canvas.getContext('2d', { willReadFrequently: true });
            context.drawImage(image, 0, 0);
            const at = (x, y) => Array.from(context.getImageData(x, y, 1, 1).data.slice(0, 3));
            return { type: blob.type, width: image.width, height: image.height,
                     stroke: at(620, 100), altitude: at(524, 300), reset: at(50, 40) };
        });
        assert.equal(copied.type, 'image/png');
        assert.equal(copied.width, 900);
        assert.equal(copied.height, 541);
        assert.deepEqual(copied.stroke, Colors.darkBlue);
        assert.deepEqual(copied.altitude, Colors.black);
        assert.deepEqual(copied.reset, [255, 255, 192]); // the reset button's light yellow
    });

    test('does nothing, quietly, where the browser refuses', async () => {
        await page.evaluate(() => {
            navigator.clipboard.write = () => Promise.reject(new DOMException('refused', 'NotAllowedError'));
        });
        await page.keyboard.down('Control');
        await page.keyboard.press('KeyC');
        await page.keyboard.up('Control');
        await mouseDrag(page, 450, 300, -1);
        assert.equal(await angle(page), 75);
    });

    test('is left to the browser where there is no clipboard for images', async () => {
        await page.evaluate(() => {
            Object.defineProperty(navigator, 'clipboard', { value: undefined });
            addEventListener('keydown', (e) => { window.swallowed = e.defaultPrevented; });
        });
        await pressWith(page, 'Control', 'KeyC');
        assert.equal(await page.evaluate(() => window.swallowed), false);
    });
});
