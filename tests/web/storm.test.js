// The page under a long, seeded storm of everything a pupil can do to it
// (stormevents.js), shown in a frame of another page so that it can be sized
// down to 0 x 0 as a browser's own window cannot. Every call the page makes
// into its C++ window is recorded and replayed natively; at each checkpoint
// every control value of the two must agree, the check boxes and option
// buttons must show their values, and the page must have said nothing on the
// console. At the end its memory must be what it was after a warm-up.
//
//   ALTITUDE_PAGE_STORM_SEED    the seed (a number, or "time" for a fresh one)
//   ALTITUDE_PAGE_STORM_EVENTS  how many events
// A failure names the seed and lists the events before it.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';

import { PagePath, assertSameState, launch, parseDump, poll } from './browser.js';
import { Buttons, generator, makeStorm } from './stormevents.js';

const Seed = process.env.ALTITUDE_PAGE_STORM_SEED === 'time' ? Date.now() % 2 ** 32
    : Number(process.env.ALTITUDE_PAGE_STORM_SEED || 20261209);
const Events = Number(process.env.ALTITUDE_PAGE_STORM_EVENTS || 20000);
const CheckEvery = 250;
const Largest = { width: 1600, height: 1000, ratio: 2 };
const Replay = process.env.ALTITUDE_STORM_REPLAY;
const Characters = new URL('../../src/web/font/characters.txt', import.meta.url);

// The page in a frame at the top left of a page as large as the largest
// frame, with every console message and error of either recorded.
async function openFramed(browser, folder) {
    const page = await browser.newPage();
    const record = { console: [], errors: [] };
    page.on('console', (message) => record.console.push(`${message.type()}: ${message.text()}`));
    page.on('pageerror', (error) => record.errors.push(String(error)));
    const session = await page.createCDPSession();
    await session.send('Emulation.setDeviceMetricsOverride', { width: Largest.width, height: Largest.height,
                                                               deviceScaleFactor: 1, mobile: false });
    await session.send('Browser.setDownloadBehavior', { behavior: 'deny' });
    // The page itself as the frame's document, of the host page's origin:
    // a frame from another origin may not take the focus by itself.
    const html = readFileSync(PagePath, 'utf8').replaceAll('&', '&amp;').replaceAll('"', '&quot;');
    const host = join(folder, 'host.html');
    writeFileSync(host, '<!DOCTYPE html><html><body style="margin: 0">'
        + `<iframe id="page" srcdoc="${html}" style="position: absolute; border: 0; width: 900px; height: 541px">`
        + '</iframe></body></html>');
    await page.goto(pathToFileURL(host).href, { waitUntil: 'load' });
    const frame = page.frames().find((f) => f !== page.mainFrame());
    await frame.evaluate(async () => { await (await window.altitude.ready).firstFigure; });
    await page.focus('#page');
    // Nor may F5 reload the page that shows the frame, once Tab has taken
    // the focus out of the frame.
    await page.evaluate(() => window.addEventListener('keydown', (e) => {
        if (e.key === 'F5')
            e.preventDefault();
    }));
    return { page, frame, session, record };
}

// What the page's canvas measures, for the native replay's labels to have
// the page's sizes: each character's advance, the line and the ascent, at
// every pixel size a font of the window can have.
async function pageMeasurements(frame) {
    const text = readFileSync(Characters, 'utf8').split('\n').filter((line) => !line.startsWith('#')).join('');
    return frame.evaluate(async (characters) => {
        const measure = (await window.altitude.ready).makeText();
        const lines = [];
        for (let pixels = 1; pixels <= 64; ++pixels) {
            lines.push(`height ${pixels} ${measure.measureText('', pixels)[1]}`,
                       `ascent ${pixels} ${measure.textAscent(pixels)}`);
            for (const c of characters)
                lines.push(`advance ${pixels} ${c.codePointAt(0)} ${measure.measureText(c, pixels)[0]}`);
        }
        return lines;
    }, [...new Set(text)]);
}

// Records every call the page makes into its C++ window, in the replay's
// words, from here on; returns the call that started it.
function recordCalls(frame) {
    return frame.evaluate(async () => {
        const api = await window.altitude.ready;
        const core = api.core;
        const number = (v) => (Object.is(v, -0) ? '-0' : String(Number(v)));
        const calls = [];
        const record = (name, word, format = (...args) => args.map(number).join(' ')) => {
            const call = core[name];
            core[name] = (...args) => {
                calls.push(`${word} ${format(...args)}`);
                return call(...args);
            };
        };
        // The device pixels, which only the page's frame depends on, stay out;
        // the figure's part of an upright page goes in.
        record('resize', 'resize', (width, height, ratio, device, figureHeight) =>
            [width, height, ratio, figureHeight].map(number).join(' '));
        record('pointerDown', 'down');
        record('pointerMove', 'move');
        record('pointerUp', 'up');
        record('endDrag', 'enddrag');
        record('keyDown', 'key');
        record('focusFrame', 'focus', (shown) => (shown ? 1 : 0));
        record('checkClick', 'check', (n, ticked) => `${n} ${ticked ? 1 : 0}`);
        record('optionClick', 'option');
        record('commandClick', 'command');
        record('menuClick', 'menu');
        record('closeKeyHelp', 'closehelp');
        record('setLesson', 'lesson');
        record('lessonStepClick', 'lessonstep');
        record('applyPose', 'pose', (lesson, angle, lengths, grid) =>
            [lesson, angle === null ? 0 : 1, angle ?? 0, lengths ? 1 : 0, grid ? 1 : 0].map(number).join(' '));
        const figure = document.getElementById('figure');
        // F5 off the figure is the browser's reload, which would end the
        // storm: the page's own keys have been handled when it comes here.
        // Nor does the storm save or print, which the figure's menu offers
        // where the storm cannot see it: a download would take the frame
        // to another address.
        window.addEventListener('keydown', (e) => {
            if (e.key === 'F5')
                e.preventDefault();
        });
        const click = HTMLAnchorElement.prototype.click;
        HTMLAnchorElement.prototype.click = function clickUnlessDownload() {
            if (!this.download)
                click.call(this);
        };
        window.print = () => {};
        window.stormCheckpoint = () => {
            const boxes = {};
            for (const input of document.querySelectorAll('#buttons input'))
                boxes[input.id.replace(/_(\d)$/, '($1)')] = String(input.checked ? 1 : 0);
            return { calls: calls.splice(0), dump: api.dump(), boxes, dialog: document.getElementById('save').open,
                     canvas: [document.getElementById('surface').width, document.getElementById('surface').height],
                     client: [figure.clientWidth, figure.clientHeight, window.devicePixelRatio] };
        };
        return `start ${figure.clientWidth} ${figure.clientHeight} ${window.devicePixelRatio || 1}`;
    });
}

// The page's JavaScript heap after a collection, the bytes its C++ window
// holds on its heap, and its WebAssembly memory.
async function memory(frame, session) {
    await session.send('HeapProfiler.collectGarbage');
    const { usedSize } = await session.send('Runtime.getHeapUsage');
    const [heap, wasm] = await frame.evaluate(async () => {
        const api = await window.altitude.ready;
        return [api.core.heapInUse(), api.memoryBytes()];
    });
    return { js: usedSize, heap, wasm };
}

let browser;
let folder;
// A swipe on the page would otherwise take the browser back in its history.
before(async () => {
    browser = await launch({ args: ['--disable-features=OverscrollHistoryNavigation'] });
    folder = mkdtempSync(join(tmpdir(), 'altitude-storm-'));
});
after(async () => {
    await browser.close();
    rmSync(folder, { recursive: true, force: true });
});

test(`the page holds up under a storm of ${Events} events, seed ${Seed}, and agrees with the native build`, async () => {
    const started = Date.now();
    const { page, frame, session, record } = await openFramed(browser, folder);
    const view = { width: 900, height: 541, ratio: 1 };
    const storm = makeStorm(session, generator(Seed), view, Largest);
    const log = [...await pageMeasurements(frame), await recordCalls(frame)];
    const places = await frame.evaluate((names) => Object.fromEntries(names.map((name) => {
        const box = document.getElementById(name).getBoundingClientRect();
        return [name, [Math.round(box.left + box.width / 2), Math.round(box.top + box.height / 2)]];
    })), Buttons);

    const checkpoints = [];
    let first = 0;
    const recent = [];
    const fail = (why) => assert.fail(`ALTITUDE_PAGE_STORM_SEED=${Seed} ALTITUDE_PAGE_STORM_EVENTS=${Events}: ${why}\n`
        + `  the last events, oldest first:\n    ${recent.join('\n    ')}`);
    async function checkpoint() {
        await storm.flush();
        const seen = await frame.evaluate(() => window.stormCheckpoint());
        log.push(...seen.calls, 'dump');
        const dump = parseDump(seen.dump);
        checkpoints.push({ sent: storm.sent() - first, dump, recent: [...recent] });
        if (record.errors.length > 0 || record.console.length > 0)
            fail(`by event ${storm.sent() - first} the page said: ${[...record.errors, ...record.console].join('; ')}`);
        for (const [name, checked] of Object.entries(seen.boxes)) {
            if (dump[name].Value !== checked)
                fail(`by event ${storm.sent() - first} ${name} shows ${checked}, its value is ${dump[name].Value}`);
        }
        storm.see(dump, places, seen.dialog);
        return seen;
    }
    // Waits for the page to show a frame of `canvas` device pixels.
    async function settle(what, canvas) {
        let seen = null;
        try {
            await poll(what, async () => {
                seen = await checkpoint();
                return `${seen.canvas}` === `${canvas}` ? true : undefined;
            });
        } catch (error) {
            fail(`${error.message}: the canvas is ${seen?.canvas.join(' x ')}, the client area ${seen?.client.join(' x ')}`);
        }
    }

    // The frame at a size and ratio, once the page shows it. DevTools does
    // not tell the page of a new ratio alone: a resize goes with it.
    async function showAt(width, height, ratio) {
        await storm.flush();
        Object.assign(view, { width, height, ratio });
        await session.send('Emulation.setDeviceMetricsOverride', { width: Largest.width, height: Largest.height,
                                                                   deviceScaleFactor: ratio, mobile: false });
        for (const w of [width + 1, width]) {
            await page.evaluate((w, h) => { document.getElementById('page').style.cssText += `width: ${w}px; height: ${h}px`; },
                                w, height);
            await settle(`a frame of ${w} x ${height} at ${ratio}`, [w * ratio, height * ratio]);
        }
    }

    // Warm-up: the largest frame at the largest ratio, with a memo stroke
    // on it, so that the memory measured after it is all the page needs.
    await showAt(Largest.width, Largest.height, Largest.ratio);
    const mouse = (type, [x, y], buttons) => session.send('Input.dispatchMouseEvent', {
        type, x, y, button: 'left', buttons, clickCount: type === 'mouseMoved' ? 0 : 1 });
    for (const [type, at, buttons] of [['mousePressed', places.Option1_1, 1], ['mouseReleased', places.Option1_1, 0],
                                       ['mousePressed', [1500, 900], 1], ['mouseMoved', [1550, 950], 1],
                                       ['mouseReleased', [1550, 950], 0], ['mousePressed', places.Option1_0, 1],
                                       ['mouseReleased', places.Option1_0, 0]])
        await mouse(type, at, buttons);
    await showAt(900, 541, 1);
    const before = await memory(frame, session);

    first = storm.sent();
    let flushed = first;
    let checkedAt = first;
    while (storm.sent() - first < Events) {
        recent.push(`${storm.sent() - first + 1}: ${storm.step()}`);
        if (recent.length > 20)
            recent.shift();
        if (storm.sent() - checkedAt >= CheckEvery) {
            await checkpoint();
            checkedAt = flushed = storm.sent();
        } else if (storm.sent() - flushed >= 64) {
            await storm.flush();
            flushed = storm.sent();
        }
    }
    storm.end();
    await showAt(900, 541, 1);
    const stormed = Date.now();
    const afterwards = await memory(frame, session);

    // The same calls, natively.
    const native = execFileSync(Replay, { input: `${log.join('\n')}\n`, encoding: 'utf8', maxBuffer: 1 << 30 })
        .split(/^dump \d+\n/m).slice(1);
    assert.equal(native.length, checkpoints.length, 'a native dump for every checkpoint');
    checkpoints.forEach(({ sent, dump, recent: then }, i) => {
        const nativeDump = parseDump(native[i]);
        recent.splice(0, recent.length, ...then);
        try {
            assertSameState(nativeDump.State, dump.State, 'State');
            for (const [name, fields] of Object.entries(nativeDump)) {
                if (name !== 'State')
                    assert.deepEqual(dump[name], fields, name);
            }
        } catch (error) {
            fail(`by event ${sent} the page and the native build disagree: ${error.message}`);
        }
    });

    console.log(`seed ${Seed}: ${storm.sent() - first} events in ${((stormed - started) / 1000).toFixed(1)} s, `
        + `${checkpoints.length} checkpoints, ${storm.refused().length} refused by DevTools, `
        + `${log.filter((call) => call.startsWith('menu ')).length} entries chosen from the figure's menu; `
        + `memory after the warm-up ${JSON.stringify(before)}, `
        + `after the storm ${JSON.stringify(afterwards)}`);
    const refused = storm.refused();
    assert.ok(refused.length <= Events / 1000, `DevTools refused ${refused.length} events:\n${refused.join('\n')}`);
    // Flat: no more WebAssembly memory than after the warm-up, the C++
    // heap in use within 256 KB of it (captions come and go) and the
    // JavaScript heap within a megabyte.
    assert.ok(afterwards.wasm <= before.wasm, `WebAssembly memory ${before.wasm} -> ${afterwards.wasm}`);
    assert.ok(afterwards.heap - before.heap < 1 << 18, `C++ heap in use ${before.heap} -> ${afterwards.heap}`);
    assert.ok(afterwards.js - before.js < 1 << 20, `JavaScript heap ${before.js} -> ${afterwards.js}`);
    await page.close();
});
