// The page's benchmark in headless Chromium (make bench-web): the file's
// size, the time from navigation to the first painted figure, the script
// time per move event over a 2000-move drag with its painting, the memory
// after the drag, and how many moves were lost; the site's size and its
// first figure on a visit with the network gone.
//   ALTITUDE_WEB_PAGE=build-web/altitude.html node tests/web/bench.js
// Times come from the browser's own trace (microseconds): the page's timer
// is too coarse for events this short.
import { mkdtempSync, readdirSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

import { SitePath, launch, openPage, serveFolder } from './browser.js';

const Loads = 15;
const Moves = 2000;

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
try {
    const size = statSync(process.env.ALTITUDE_WEB_PAGE).size;

    // The page marks its stages: its script running, the WebAssembly and the
    // font ready, the window started; then the first figure painted.
    const firstFigures = [];
    const stages = {};
    for (let i = 0; i < Loads; ++i) {
        const { page } = await openPage(browser);
        const load = await page.evaluate(async () => ({
            first: await (await window.altitude.ready).firstFigure,
            marks: performance.getEntriesByType('mark').map((mark) => [mark.name, mark.startTime]),
        }));
        firstFigures.push(load.first);
        for (const [name, time] of load.marks)
            (stages[name] ??= []).push(time);
        await page.close();
    }

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

    // The site served from this machine: after one visit has filled the
    // service worker's cache, visits with the network gone (the server
    // stopped: the page's own offline mode leaves the worker its network).
    const siteSize = readdirSync(SitePath).reduce((total, name) => total + statSync(join(SitePath, name)).size, 0);
    const offlineFigures = [];
    const server = await serveFolder(SitePath);
    try {
        const { page: first } = await openPage(browser, { url: `${server.origin}/` });
        await first.waitForFunction(() => document.getElementById('kept').textContent !== '', { timeout: 20000 });
        await first.close();
        server.stop();
        for (let i = 0; i < Loads; ++i) {
            const visit = await browser.newPage();
            await visit.setViewport({ width: 900, height: 541 });
            await visit.setOfflineMode(true);
            await visit.goto(`${server.origin}/`, { waitUntil: 'load' });
            offlineFigures.push(await visit.evaluate(async () => (await window.altitude.ready).firstFigure));
            await visit.close();
        }
    } finally {
        server.stop();
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
    const figures = {
        'file size': `${(size / 1024).toFixed(1)} KB (${size} bytes)`,
        'navigation to the first painted figure, median of 15 loads': `${median(firstFigures).toFixed(0)} ms`,
        '  of which: script running / WebAssembly and font ready / started':
            Object.values(stages).map((times) => `${median(times).toFixed(0)} ms`).join(' / '),
        '  an empty page from disk runs its first script at': `${median(emptyStarts).toFixed(0)} ms`,
        'the site: all its files': `${(siteSize / 1024).toFixed(1)} KB (${siteSize} bytes)`,
        'the site offline after one visit: first painted figure, median':
            `${median(offlineFigures).toFixed(0)} ms`,
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
} finally {
    await browser.close();
}
