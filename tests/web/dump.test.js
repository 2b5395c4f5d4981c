// The same figure code gives the same control values in the browser as on
// the desktop: dumps of every control value, written as the bits of their
// floats, from the native build and from the web build, compared.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { after, before, describe, test } from 'node:test';

import { assertSameState, controls, launch, mouseDrag, openPage, parseDump } from './browser.js';

const NativeScenario = process.env.ALTITUDE_DUMP_NATIVE;
const WebScenario = process.env.ALTITUDE_DUMP_WEB;

function run(command, args) {
    return execFileSync(command, args, { encoding: 'utf8', maxBuffer: 1 << 30 });
}

describe('the web build against the native build', () => {
    test('every control value agrees bit for bit through the whole scenario', () => {
        const native = run(NativeScenario, ['--full']).split('\n');
        const web = run('node', [WebScenario, '--full']).split('\n');
        assert.equal(web.length, native.length);
        let step = '';
        let compared = 0;
        for (let i = 0; i < native.length; ++i) {
            if (native[i].startsWith('step ')) {
                step = native[i].split(' ')[1];
                assert.equal(web[i].split(' ')[1], step);
            } else if (native[i].startsWith('State ')) {
                assertSameState(parseDump(native[i]).State, parseDump(web[i]).State, `step ${step}`);
            } else if (native[i] !== web[i]) {
                assert.fail(`step ${step}: native\n${native[i]}\nweb\n${web[i]}`);
            } else {
                ++compared;
            }
        }
        assert.ok(compared > 100000, `compared ${compared} control lines`);
    });
});

describe('the page against the native build', () => {
    let browser;
    before(async () => { browser = await launch(); });
    after(async () => { await browser.close(); });

    for (const moves of [-300, 250]) {
        test(`a mouse drag of ${Math.abs(moves)} moves ${moves < 0 ? 'left' : 'right'} places every line and letter alike`, async () => {
            const { page } = await openPage(browser);
            await mouseDrag(page, 450, 270, moves);
            const web = await controls(page);
            const native = parseDump(run(NativeScenario, ['drag', '900', '541', String(moves)]));
            // The read-outs' sizes come from each build's text measurement;
            // the figure's own values do not.
            const { Dragging: _, ...state } = native.State;
            assertSameState(state, web.State, 'State');
            for (const [name, fields] of Object.entries(native)) {
                if (name.startsWith('Line'))
                    assert.deepEqual(web[name], fields, name);
                if (name.startsWith('Label1')) {
                    assert.equal(web[name].Left, fields.Left, `${name} Left`);
                    assert.equal(web[name].Top, fields.Top, `${name} Top`);
                }
            }
            await page.close();
        });
    }
});
