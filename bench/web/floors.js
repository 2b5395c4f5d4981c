// The page's drag against the platform's floor, in the same browser and the
// same run (make bench-web): plain canvas pages of the window's size that, on
// each move, fill a 16 x 16 square, draw three lines or put a 300 x 300
// image, painted at the next frame as a page ordinarily paints. Each page is
// dragged by the same moves 10 ms apart, so that every move gets a frame of
// its own, after a drag as long to warm it up; the renderer's own counters
// give the main thread's time (every task: events, script, style, paint,
// the frame) and the script's time (the page's JavaScript and WebAssembly
// with the calls they make) per move.
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

import { PageUrl } from '../../tests/web/browser.js';

const Floors = {
    'a 16 x 16 square': `context.fillStyle = n % 2 ? '#00f' : '#f00';
        context.fillRect(x - 8, y - 8, 16, 16);`,
    'three lines': `context.strokeStyle = n % 2 ? '#00f' : '#f00';
        context.lineWidth = 3;
        context.beginPath();
        context.moveTo(180, 433);
        context.lineTo(x - 75, 183);
        context.lineTo(712, 433);
        context.moveTo(x - 75, 183);
        context.lineTo(x - 75, 433);
        context.stroke();`,
    'a 300 x 300 image': 'context.putImageData(image, x - 450, 120);',
};

function floorPage(draw) {
    return `<!DOCTYPE html><html><head><style>html, body { margin: 0; height: 100%; overflow: hidden; }
canvas { position: absolute; left: 0; top: 0; width: 100%; height: 100%; }</style></head>
<body><canvas id="floor" width="900" height="541"></canvas><script>
const canvas = document.getElementById('floor');
const context = canvas.getContext('2d');
context.fillStyle = '#fff';
context.fillRect(0, 0, 900, 541);
const image = context.createImageData(300, 300);
for (let i = 0; i < image.data.length; i += 4) {
    image.data[i] = i % 251;
    image.data[i + 3] = 255;
}
let x = 0;
let y = 0;
let n = 0;
let scheduled = false;
function draw() {
    scheduled = false;
    ++n;
    ${draw}
}
canvas.addEventListener('pointermove', (e) => {
    x = e.clientX;
    y = e.clientY;
    if (!scheduled) {
        scheduled = true;
        requestAnimationFrame(draw);
    }
});
window.ready = Promise.resolve();
</script></body></html>`;
}

// The floor pages as files, and a function that removes them again.
export function writeFloors() {
    const folder = mkdtempSync(join(tmpdir(), 'altitude-floors-'));
    const pages = Object.entries(Floors).map(([name, draw]) => {
        const file = join(folder, `${Object.keys(Floors).indexOf(name)}.html`);
        writeFileSync(file, floorPage(draw));
        return { name, url: pathToFileURL(file).href };
    });
    return { pages, remove: () => rmSync(folder, { recursive: true, force: true }) };
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Half the moves to the left, half back, a pixel each: A turns 50 degrees
// from where it starts and back.
async function moves(session, count, x) {
    for (let i = 0; i < count; ++i) {
        x += i < count / 2 ? -1 : 1;
        await session.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y: 300, button: 'left', buttons: 1 });
        await sleep(10);
    }
}

// Task and script time per move, in ms, of a drag of `count` moves in a new
// page of `url` at `rate` times slower a processor.
export async function dragCost(browser, url, rate, count = 100) {
    const page = await browser.newPage();
    try {
        await page.setViewport({ width: 900, height: 541 });
        await page.goto(url, { waitUntil: 'load' });
        await page.evaluate(async () => { await (window.altitude ? (await window.altitude.ready).firstFigure : window.ready); });
        const session = await page.createCDPSession();
        await session.send('Performance.enable');
        await session.send('Emulation.setCPUThrottlingRate', { rate });
        const x = 600;
        await session.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y: 300 });
        await session.send('Input.dispatchMouseEvent', { type: 'mousePressed', x, y: 300, button: 'left', buttons: 1, clickCount: 1 });
        await moves(session, count, x);
        const metrics = async () => Object.fromEntries((await session.send('Performance.getMetrics')).metrics
            .map((m) => [m.name, m.value]));
        const before = await metrics();
        await moves(session, count, x);
        await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
        const after = await metrics();
        await session.send('Input.dispatchMouseEvent', { type: 'mouseReleased', x, y: 300, button: 'left', buttons: 0, clickCount: 1 });
        const perMove = (name) => ((after[name] - before[name]) * 1000) / count;
        return { task: perMove('TaskDuration'), script: perMove('ScriptDuration') };
    } finally {
        await page.close();
    }
}

// The page and every floor page dragged in turn, `rounds` times over, at
// each of `rates`: the median task and script per move of each.
export async function compareWithFloors(browser, rates, rounds) {
    const floors = writeFloors();
    try {
        const targets = [{ name: 'the page', url: PageUrl }, ...floors.pages];
        const results = {};
        for (const rate of rates) {
            for (let round = 0; round < rounds; ++round) {
                for (const { name, url } of targets)
                    ((results[rate] ??= {})[name] ??= []).push(await dragCost(browser, url, rate));
            }
        }
        const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
        return Object.fromEntries(Object.entries(results).map(([rate, byName]) => [rate, Object.fromEntries(
            Object.entries(byName).map(([name, runs]) => [name, {
                task: median(runs.map((run) => run.task)),
                script: median(runs.map((run) => run.script)),
            }]))]));
    } finally {
        floors.remove();
    }
}
