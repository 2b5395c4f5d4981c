// What a screen reader finds in the page, read from Chromium's own
// accessibility tree: the figure as a named image described by the lengths
// the class can read, told where a drag or a held key ends, and the option
// buttons as one group that leaves the teal panel to the figure.
import assert from 'node:assert/strict';
import { after, before, beforeEach, describe, test } from 'node:test';

import { angle, controls, launch, mouseDrag, openPage, poll } from './browser.js';

let browser;
let page;

before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });
beforeEach(async () => {
    if (page)
        await page.close();
    ({ page } = await openPage(browser));
});

// The tree's nodes that are not ignored, by id, each with its role, name,
// description and children.
async function accessibleTree() {
    const session = await page.createCDPSession();
    const { nodes } = await session.send('Accessibility.getFullAXTree');
    await session.detach();
    const byId = new Map();
    for (const node of nodes) {
        byId.set(node.nodeId, { role: node.role?.value, name: node.name?.value ?? '',
                                description: node.description?.value ?? '', ignored: node.ignored,
                                children: node.childIds ?? [] });
    }
    return byId;
}

async function figureNode() {
    const images = [...(await accessibleTree()).values()].filter((node) => node.role === 'image');
    assert.equal(images.length, 1, 'one image');
    return images[0];
}

// Polls the tree until the figure's description is `expected`.
function figureDescribedAs(expected) {
    return poll(`the figure described as "${expected}"`, async () =>
        ((await figureNode()).description === expected ? true : undefined));
}

// The lengths as the read-outs show them now, as the description lists them.
async function shownLengths() {
    const c = await controls(page);
    const spoken = (name) => JSON.parse(c[name].Caption).trimStart();
    return `BC ${spoken('Label3(0)')}、AB ${spoken('Label3(1)')}、AC ${spoken('Label3(2)')}`;
}

const regionText = () => page.evaluate(() => document.getElementById('lengths').textContent);

describe('the figure', () => {
    test('is an image named for the figure, described by the lengths on show', async () => {
        const figure = await figureNode();
        assert.equal(figure.name, '直角三角形ABCと垂線AD');
        assert.equal(figure.description, '長さは表示されていません');
        await page.click('#Check2');
        await figureDescribedAs('BC ５cm、AB 4cm、AC 3cm');
        await page.click('#Check3');
        await figureDescribedAs('BC ５cm、AB 4cm、AC 3cm、AD 2.4cm');
        // The description is a polite live region's text, so a change is spoken.
        const live = [...(await accessibleTree()).values()].find((node) => node.role === 'status');
        assert.ok(live, 'a status region');
        await page.click('#Check2');
        await page.click('#Check3');
        await figureDescribedAs('長さは表示されていません');
    });

    test('is described where a drag ends, not on the way', async () => {
        await page.click('#Check2');
        await figureDescribedAs('BC ５cm、AB 4cm、AC 3cm');
        await page.mouse.move(450, 300);
        await page.mouse.down();
        for (let x = 449; x > 430; --x)
            await page.mouse.move(x, 300);
        assert.equal(await angle(page), 93);
        assert.equal(await regionText(), 'BC ５cm、AB 4cm、AC 3cm');
        await page.mouse.up();
        const lengths = await shownLengths();
        assert.notEqual(lengths, 'BC ５cm、AB 4cm、AC 3cm');
        await figureDescribedAs(lengths);
    });

    test('is described where a held key is released, after one step per repeat', async () => {
        await page.click('#Check2');
        await page.focus('#figure');
        await page.keyboard.down('ArrowRight');
        for (let i = 0; i < 9; ++i)
            await page.keyboard.down('ArrowRight'); // the keyboard's repeats
        assert.equal(await angle(page), 64);
        assert.equal(await regionText(), 'BC ５cm、AB 4cm、AC 3cm');
        await page.keyboard.up('ArrowRight');
        const lengths = await shownLengths();
        assert.notEqual(lengths, 'BC ５cm、AB 4cm、AC 3cm');
        await figureDescribedAs(lengths);
    });
});

describe('the option buttons', () => {
    test('are one named group with both in it, placed as designed', async () => {
        const tree = await accessibleTree();
        const groups = [...tree.values()].filter((node) => node.role === 'radiogroup');
        assert.equal(groups.length, 1);
        assert.equal(groups[0].name, 'ドラッグの動作');
        const radios = [];
        const walk = (node) => {
            if (node.role === 'radio')
                radios.push(node.name);
            for (const id of node.children)
                walk(tree.get(id));
        };
        walk(groups[0]);
        assert.deepEqual(radios, ['Ａ移動・メモクリア', 'メモ書き']);
        const places = await page.evaluate(() => ['Option1_0', 'Option1_1'].map((name) => {
            const box = document.querySelector(`[data-name=${name}]`).getBoundingClientRect();
            return [box.left, box.top, box.width, box.height];
        }));
        assert.deepEqual(places, [[112, 16, 145, 17], [112, 40, 81, 17]]);
    });

    test('leave a press on the teal panel beside them to the figure, which drags', async () => {
        await mouseDrag(page, 230, 50, -5);
        assert.equal(await angle(page), 79);
        await mouseDrag(page, 150, 24, -5); // on the first option's caption
        assert.equal(await angle(page), 79);
    });
});
