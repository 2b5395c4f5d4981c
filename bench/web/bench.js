// The page's benchmark in headless Chromium (make bench-web): the file's
// size, the time from navigation to the first painted figure, also on a
// processor slowed four times, the script time per move event over a
// 2000-move drag with its painting, the memory after the drag, and how many
// moves were lost; the site's size and its first figure on a visit with a
// fast server and one with the network gone, once it is kept; and a drag of
// the page against plain canvas pages, the platform's floor, at full speed
// and slowed four times (floors.js).
//   ALTITUDE_WEB_PAGE=build-web/altitude.html node bench/web/bench.js
// ALTITUDE_WEB_COMPARE=DIR, another build's folder (its altitude.html and
// site/), measures its first figures too, visit for visit alternating with
// this build's, so that one run compares two builds on the same load.
// Times come from the browser's own trace and counters (microseconds): the
// page's timer is too coarse for events this short. The machine's load
// changes them all; the ratios to the floor, measured in the same run, much
// less.
import { mkdtempSync, readdirSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

import { PageUrl, SitePath, launch, openPage, serveFolder } from '../../tests/web/browser.js';
import { compareWithFloors } from './floors.js';

const Loads = 15;
const Moves = 2000;
// A school's slowest machines, as Chromium emulates them.
const Slow = 4;
const FloorRounds = 5;

const median = (values) => quantile(values, 0.5);
function quantile(values, q) {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
}
const sum = (values) => values.reduce((a, b) => a + b, 0);

const angleOf = (page) => page.evaluate(async () => Number(/AngleA=(-?\d+)/.exec((await window.altitude.ready).dump())[1]));

// The drag: a press, `Moves` moves to the left sent back to back as fast as
// DevTools takes them, a release, and the frame that shows the last move.
async function drag(page, session) {
    let x = 880;
    await session.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y: 300 });
    await session.send('Input.dispatchMouseEvent', { type: 'mousePressed', x, y: 300, button: 'left', buttons: 1, clickCount: 1 });
    for (let i = 0; i < Moves; ++i) {
        x -= 0.4;
        await session.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y: 300, button: 'left', buttons: 1 });
    }
    await session.send('Input.dispatchMouseEvent', { type: 'mouseReleased', x, y: 300, button: 'left', buttons: 0, clickCount: 1 });
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
}

async function burst(page, session) {
    let x = 880;
    await session.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y: 300 });
    await session.send('Input.dispatchMouseEvent', { type: 'mousePressed', x, y: 300, button: 'left', buttons: 1, clickCount: 1 });
    const sent = [];
    for (let i = 0; i < Moves; ++i) {
        x -= 0.4;
        sent.push(session.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y: 300, button: 'left', buttons: 1 }));
    }
    await Promise.all(sent);
    await session.send('Input.dispatchMouseEvent', { type: 'mouseReleased', x, y: 300, button: 'left', buttons: 0, clickCount: 1 });
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
}

// The durations of every pointermove dispatch and animation frame, in ms.
function scriptDurations(trace) {
    return JSON.parse(trace).traceEvents
        .filter((e) => e.ph === 'X' && ((e.name === 'EventDispatch' && e.args?.data?.type === 'pointermove')
                                       || e.name === 'FireAnimationFrame'))
        .map((e) => e.dur / 1000);
}

// Each move's script time: the pointermove dispatch that handled it, and a
// share of the frame's animation callback that painted it, in milliseconds.
function perMove(trace) {
    const events = JSON.parse(trace).traceEvents.filter((e) => e.ph === 'X' && e.dur !== undefined)
        .sort((a, b) => a.ts - b.ts);
    const costs = [];
    let waiting = [];
    const frames = [];
    for (const e of events) {
        if (e.name === 'EventDispatch' && e.args?.data?.type === 'pointermove') {
            waiting.push(e.dur / 1000);
        } else if (e.name === 'FireAnimationFrame' && waiting.length > 0) {
            const share = e.dur / 1000 / waiting.length;
            for (const dispatch of waiting)
                costs.push(dispatch + share);
            frames.push(e.dur / 1000);
            waiting = [];
        }
    }
    return { costs, frames };
}

const browser = await launch();

// One visit to `url` in a fresh tab: when its first figure was painted.
async function firstFigure(url, offline = false) {
    const visit = await browser.newPage();
    await visit.setViewport({ width: 900, height: 541 });
    await visit.setOfflineMode(offline);
    await visit.goto(url, { waitUntil: 'load' });
    const first = await visit.evaluate(async () => (await window.altitude.ready).firstFigure);
    await visit.close();
    return first;
}

// Sites served from this machine, each kept by one visit first; then visits
// with the server there and fast (the worker reads the page whole before it
// answers), and with the network gone (the servers stopped: the page's own
// offline mode leaves the worker its network), from site to site in turn.
async function siteVisits(folders) {
    const servers = await Promise.all(folders.map((folder) => serveFolder(folder)));
    const times = folders.map(() => ({ online: [], offline: [] }));
    try {
        for (const server of servers) {
            const { page: first } = await openPage(browser, { url: `${server.origin}/` });
            await first.waitForFunction(() => document.getElementById('kept').textContent !== '', { timeout: 20000 });
            await first.close();
        }
        for (const mode of ['online', 'offline']) {
            if (mode === 'offline')
                servers.forEach((server) => server.stop());
            for (let i = 0; i < Loads; ++i) {
                for (const [j, server] of servers.entries())
                    times[j][mode].push(await firstFigure(`${server.origin}/`, mode === 'offline'));
            }
        }
    } finally {
        servers.forEach((server) => server.stop());
    }
    return times;
}

try {
    const size = statSync(process.env.ALTITUDE_WEB_PAGE).size;

    // The page marks its stages: its script running, the WebAssembly and the
    // font ready, the window started; then the first figure painted. The
    // browser's first contentful paint is whatever it painted first, the
    // words that the figure is on its way or the figure itself.
    async function loads(rate) {
        const firstFigures = [];
        const contentful = [];
        const stages = {};
        for (let i = 0; i < Loads; ++i) {
            const page = await browser.newPage();
            await page.setViewport({ width: 900, height: 541 });
            const session = await page.createCDPSession();
            await session.send('Emulation.setCPUThrottlingRate', { rate });
            await page.goto(PageUrl, { waitUntil: 'load' });
            const load = await page.evaluate(async () => ({
                first: await (await window.altitude.ready).firstFigure,
                contentful: await new Promise((resolve) => new PerformanceObserver((list) => {
                    resolve(list.getEntriesByName('first-contentful-paint')[0].startTime);
                }).observe({ type: 'paint', buffered: true })),
                marks: performance.getEntriesByType('mark').map((mark) => [mark.name, mark.startTime]),
            }));
            firstFigures.push(load.first);
            contentful.push(load.contentful);
            for (const [name, time] of load.marks)
                (stages[name] ??= []).push(time);
            await page.close();
        }
        return { firstFigures, contentful, stages };
    }
    const { firstFigures, contentful, stages } = await loads(1);
    const slow = await loads(Slow);

    // For comparison: when an empty page from disk runs its first script.
    const folder = mkdtempSync(join(tmpdir(), 'altitude-bench-'));
    const empty = join(folder, 'empty.html');
    writeFileSync(empty, '<!DOCTYPE html><title>empty</title><script>window.started = performance.now();</script>');
    const emptyStarts = [];
    for (let i = 0; i < Loads; ++i) {
        const page = await browser.newPage();
        await page.setViewport({ width: 900, height: 541 });
        await page.goto(pathToFileURL(empty).href);
        emptyStarts.push(await page.evaluate(() => window.started));
        await page.close();
    }
    rmSync(folder, { recursive: true, force: true });

    const siteSize = readdirSync(SitePath).reduce((total, name) => total + statSync(join(SitePath, name)).size, 0);
    const other = process.env.ALTITUDE_WEB_COMPARE;
    const [site, otherSite] = await siteVisits([SitePath, ...(other ? [join(other, 'site')] : [])]);
    const compared = [];
    for (let i = 0; other && i < Loads; ++i) {
        compared.push([await firstFigure(PageUrl), await firstFigure(pathToFileURL(join(other, 'altitude.html')).href)]);
    }

    const { page } = await openPage(browser);
    const session = await page.createCDPSession();
    await session.send('Performance.enable');
    const angleBefore = await angleOf(page);
    const before = Object.fromEntries((await session.send('Performance.getMetrics')).metrics.map((m) => [m.name, m.value]));
    await page.tracing.start({ categories: ['devtools.timeline'] });
    await drag(page, session);
    const trace = Buffer.from(await page.tracing.stop()).toString('utf8');
    const after = Object.fromEntries((await session.send('Performance.getMetrics')).metrics.map((m) => [m.name, m.value]));
    const handled = (await angleOf(page)) - angleBefore;
    await session.send('HeapProfiler.collectGarbage');
    const heap = (await session.send('Runtime.getHeapUsage')).usedSize;
    const wasm = await page.evaluate(async () => (await window.altitude.ready).memoryBytes());

    const { costs, frames } = perMove(trace);

    // The same drag again with the moves sent without waiting for each, as a
    // fast mouse delivers them: the browser merges them into frames and the
    // page takes them back from getCoalescedEvents.
    const burstBefore = await angleOf(page);
    await page.tracing.start({ categories: ['devtools.timeline'] });
    await burst(page, session);
    const burstTrace = Buffer.from(await page.tracing.stop()).toString('utf8');
    const burstHandled = (await angleOf(page)) - burstBefore;
    const burstScript = sum(scriptDurations(burstTrace));
    await page.close();

    const floors = await compareWithFloors(browser, [1, Slow], FloorRounds);
    const figures = {
        'file size': `${(size / 1024).toFixed(1)} KB (${size} bytes)`,
        'navigation to the first painted figure, median of 15 loads': `${median(firstFigures).toFixed(0)} ms`,
        '  of which: script running / WebAssembly and font ready / started':
            Object.values(stages).map((times) => `${median(times).toFixed(0)} ms`).join(' / '),
        '  an empty page from disk runs its first script at': `${median(emptyStarts).toFixed(0)} ms`,
        'first contentful paint, median of 15 loads': `${median(contentful).toFixed(0)} ms`,
        [`the same ${Slow} times slower: first painted figure / first contentful paint`]:
            `${median(slow.firstFigures).toFixed(0)} ms / ${median(slow.contentful).toFixed(0)} ms`,
        '  of which, slowed: script running / WebAssembly and font ready / started':
            Object.values(slow.stages).map((times) => `${median(times).toFixed(0)} ms`).join(' / '),
        'the site: all its files': `${(siteSize / 1024).toFixed(1)} KB (${siteSize} bytes)`,
        'the site kept: first painted figure, median, online / offline':
            `${median(site.online).toFixed(0)} ms / ${median(site.offline).toFixed(0)} ms`,
        ...(other && {
            [`against ${other}, in turn: first painted figure, file / site online / site offline`]:
                `this build ${median(compared.map(([mine]) => mine)).toFixed(0)} / ${median(site.online).toFixed(0)}`
                + ` / ${median(site.offline).toFixed(0)} ms; that one ${median(compared.map(([, theirs]) => theirs)).toFixed(0)}`
                + ` / ${median(otherSite.online).toFixed(0)} / ${median(otherSite.offline).toFixed(0)} ms`,
        }),
        'script time per move, median / 99th percentile (paint included)':
            `${median(costs).toFixed(3)} ms / ${quantile(costs, 0.99).toFixed(3)} ms over ${costs.length} moves`,
        'frames painted during the drag, median paint': `${frames.length}, ${median(frames).toFixed(3)} ms`,
        'renderer main-thread time per move, all work': `${(((after.TaskDuration - before.TaskDuration) * 1000) / Moves).toFixed(3)} ms`,
        'moves that turned A': `${handled} of ${Moves} (${Moves - handled} dropped)`,
        'memory after the drag': `JS heap ${(heap / 1048576).toFixed(2)} MB, WebAssembly memory ${(wasm / 1048576).toFixed(1)} MB`,
        'script time of the whole drag': `${sum(costs).toFixed(0)} ms`,
        'the drag with moves back to back: script time per move (mean)': `${(burstScript / Moves).toFixed(3)} ms`,
        'the drag with moves back to back: moves that turned A': `${burstHandled} of ${Moves} (${Moves - burstHandled} dropped)`,
    };
    for (const [what, value] of Object.entries(figures))
        console.log(`${what.padEnd(66)} ${value}`);

    console.log(`\nA drag of 100 moves 10 ms apart, after one as long: time per move, median of ${FloorRounds} runs;`
                + ' ratios to the three-line floor page');
    for (const [rate, byName] of Object.entries(floors)) {
        const lines = byName['three lines'];
        console.log(rate === '1' ? 'at full speed' : `the processor ${rate} times slower`);
        for (const [name, { task, script }] of Object.entries(byName)) {
            const label = name === 'the page' ? name : `floor: ${name}`;
            console.log(`  ${label.padEnd(26)} task ${task.toFixed(2).padStart(6)} ms (${(task / lines.task).toFixed(2)}x)`
                        + `   script ${script.toFixed(3).padStart(6)} ms (${(script / lines.script).toFixed(2)}x)`);
        }
    }
} finally {
    await browser.close();
}
