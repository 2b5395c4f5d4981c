// Debian's Chromium, headless, driven by puppeteer-core: a fresh profile per
// launch, no network services of its own, and the page opened from disk (or
// the site from a static server on this machine).
import { mkdtempSync, readFile, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { dirname, extname, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

import assert from 'node:assert/strict';
import { after, before, beforeEach } from 'node:test';

import puppeteer from 'puppeteer-core';

export const PagePath = resolve(process.env.ALTITUDE_WEB_PAGE || 'build-web/altitude.html');
export const PageUrl = pathToFileURL(PagePath).href;
// The site `make web` writes beside the page.
export const SitePath = resolve(process.env.ALTITUDE_WEB_SITE || join(dirname(PagePath), 'site'));

// Serves `folder` as a plain static server does, on a port of 127.0.0.1
// that the system picks (so no other test's server can take it first).
// `answer(request, response)` may answer a request itself, as some servers
// do, and says whether it did; `headers` go with every file. stop() ends it.
export async function serveFolder(folder, answer = () => false, headers = {}) {
    const types = { '.html': 'text/html', '.js': 'text/javascript', '.json': 'application/json', '.png': 'image/png' };
    const server = createServer((request, response) => {
        const file = join(folder, decodeURIComponent(new URL(request.url, 'http://host').pathname.replace(/\/$/, '/index.html')));
        if (!answer(request, response))
            readFile(file, (error, body) => (error ? response.writeHead(404).end()
                : response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'text/plain', ...headers }).end(body)));
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const { port } = server.address();
    return { origin: `http://127.0.0.1:${port}`, port, stop: () => server.close(() => {}).closeAllConnections() };
}

// `args`: more of Chromium's switches, such as a screen's own pixel ratio.
export async function launch({ args = [] } = {}) {
    const profile = mkdtempSync(join(tmpdir(), 'altitude-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: process.env.ALTITUDE_CHROMIUM || '/usr/bin/chromium',
        headless: true,
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync',
               `--user-data-dir=${profile}`, ...args],
    });
    const close = browser.close.bind(browser);
    browser.close = async () => {
        await close();
        rmSync(profile, { recursive: true, force: true });
    };
    return browser;
}

// Firefox ESR, over WebDriver BiDi, with a fresh profile of its own.
export const launchFirefox = () => puppeteer.launch({
    browser: 'firefox', executablePath: process.env.ALTITUDE_FIREFOX || '/usr/bin/firefox-esr', headless: true });

// A page at `width` x `height` CSS pixels and `ratio` device pixels to the
// pixel (0: the screen's), with every request and console message recorded
// (and anything the page's Content-Security-Policy refused), the figure
// painted (unless `started` is false). `prepare` runs in the page before its
// own script, to take away what some browsers lack.
export async function openPage(browser, { width = 900, height = 541, ratio = 1, url = PageUrl, prepare,
                                          started = true } = {}) {
    const page = await browser.newPage();
    const record = { requests: [], console: [], errors: [] };
    page.on('request', (request) => record.requests.push(request.url()));
    page.on('console', (message) => record.console.push(`${message.type()}: ${message.text()}`));
    page.on('pageerror', (error) => record.errors.push(String(error)));
    await page.evaluateOnNewDocument(() => document.addEventListener('securitypolicyviolation',
        (e) => console.error(`refused by the policy: ${e.effectiveDirective} ${e.blockedURI}`)));
    await page.setViewport({ width, height, deviceScaleFactor: ratio });
    if (prepare)
        await page.evaluateOnNewDocument(prepare);
    await page.goto(url, { waitUntil: 'load' });
    if (started)
        await figureShown(page);
    else
        await installReader(page);
    return { page, record };
}

// Waits for the page's first figure, as after a load or a reload.
export async function figureShown(page) {
    await waitFor(page, 'the first figure', async () => {
        const api = await window.altitude.ready;
        await api.firstFigure;
        return true;
    });
    await installReader(page);
}

// For a suite: one browser, and a fresh page at the design size for each
// test, handed to `use` with the browser. Whatever a test did, its page must
// have asked the network for nothing and said nothing on the console.
export function quietPageEachTest(use) {
    let browser;
    let opened = null;
    async function closeQuietly() {
        const { page, record } = opened;
        opened = null;
        // The page itself, whatever fragment its address had (#lesson=3), is no network request.
        assert.deepEqual(record.requests.filter((url) => url.split('#')[0] !== PageUrl), [], 'no network request');
        assert.deepEqual(record.console, [], 'nothing on the console');
        assert.deepEqual(record.errors, []);
        await page.close();
    }
    before(async () => { browser = await launch(); });
    after(async () => {
        if (opened)
            await closeQuietly();
        await browser.close();
    });
    beforeEach(async () => {
        if (opened)
            await closeQuietly();
        opened = await openPage(browser);
        use(opened.page, browser);
    });
}

// Waits for a condition in the page, polling, for up to 20 s.
export async function waitFor(page, what, fn, ...args) {
    try {
        await page.waitForFunction(fn, { timeout: 20000, polling: 20 }, ...args);
    } catch {
        throw new Error(`waited 20 s for ${what}`);
    }
}

// The page's control values, from its dump: { State: {...}, 'Label3(1)': {...}, ... }.
export async function controls(page) {
    const dump = await page.evaluate(async () => (await window.altitude.ready).dump());
    return parseDump(dump);
}

export function parseDump(dump) {
    const values = {};
    for (const line of dump.trim().split('\n')) {
        const name = line.split(' ', 1)[0];
        const fields = {};
        for (const match of line.slice(name.length).matchAll(/ (\w+)=("[^"]*"|\S+)/g))
            fields[match[1]] = match[2];
        values[name] = fields;
    }
    return values;
}

// The float or double whose bits the dump wrote.
export function number(bits) {
    const view = new DataView(new ArrayBuffer(8));
    if (bits.length === 8) {
        view.setUint32(0, parseInt(bits, 16));
        return view.getFloat32(0);
    }
    view.setBigUint64(0, BigInt(`0x${bits}`));
    return view.getFloat64(0);
}

// Ax and Ay are doubles that come straight from the C libraries' sine and
// cosine, which may differ in the last bit between glibc and the WebAssembly
// build's library; everything written to a control is rounded to a float
// and must agree exactly.
export function assertSameState(native, web, where) {
    for (const [key, value] of Object.entries(native)) {
        if (key === 'Ax' || key === 'Ay')
            assert.ok(Math.abs(number(value) - number(web[key])) < 1e-9, `${where}: ${key}`);
        else
            assert.equal(web[key], value, `${where}: ${key}`);
    }
}

export async function angle(page) {
    return Number((await controls(page)).State.AngleA);
}

// The colour of a pixel of the figure's canvas (device pixels) as [r, g, b].
export function pixel(page, x, y) {
    return page.evaluate((x, y) => Array.from(window.readFigure(x, y, 1, 1).slice(0, 3)), x, y);
}

// Pixels of the figure's canvas are read through a copy, so that the page's
// own canvas is never read back (the browser would note it on the console).
export async function installReader(page) {
    await page.evaluate(() => {
        const copy = document.createElement('canvas');
        const context = copy.getContext('2d', { willReadFrequently: true });
        window.readFigure = (x, y, width, height) => {
            const canvas = document.getElementById('surface');
            copy.width = width;
            copy.height = height;
            context.drawImage(canvas, x, y, width, height, 0, 0, width, height);
            return context.getImageData(0, 0, width, height).data;
        };
    });
}

// Waits until the pixel at (x, y) has the colour [r, g, b].
export function waitForPixel(page, what, x, y, rgb) {
    return waitFor(page, what, (x, y, rgb) => {
        const data = window.readFigure(x, y, 1, 1);
        return data[0] === rgb[0] && data[1] === rgb[1] && data[2] === rgb[2];
    }, x, y, rgb);
}

// A press, `moves` moves of one pixel each (left for a negative count) and a
// release, with the mouse: each move is one event dispatched to the page.
export async function mouseDrag(page, x, y, moves) {
    await page.mouse.move(x, y);
    await page.mouse.down();
    for (let i = 0; i < Math.abs(moves); ++i) {
        x += Math.sign(moves);
        await page.mouse.move(x, y);
    }
    await page.mouse.up();
}

export const Colors = {
    white: [255, 255, 255],
    black: [0, 0, 0],
    grey: [192, 192, 192],
    blue: [0, 0, 255],
    red: [255, 0, 0],
    darkBlue: [0, 0, 192],
};

// Polls `fn` (in Node) until it returns something other than undefined, for
// up to 20 s, and returns that.
export async function poll(what, fn) {
    const deadline = Date.now() + 20000;
    for (;;) {
        const value = await fn();
        if (value !== undefined)
            return value;
        if (Date.now() > deadline)
            throw new Error(`waited 20 s for ${what}`);
        await new Promise((resolve) => setTimeout(resolve, 20));
    }
}

// A key pressed with a modifier held, as a person does.
export async function pressWith(page, modifier, key) {
    await page.keyboard.down(modifier);
    await page.keyboard.press(key);
    await page.keyboard.up(modifier);
}
