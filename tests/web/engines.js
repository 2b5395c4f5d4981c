// The page in each browser engine behind one small interface, so that one
// scenario runs in all of them: Chromium and Firefox through puppeteer-core
// (DevTools and WebDriver BiDi), WebKitGTK through classic WebDriver over
// HTTP. A tab offers evaluate, mouse drags and clicks, keys, a finger's drag
// where the engine's driver can send one (else touchDrag is null), and what
// the console printed.
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';

import { PageUrl, installReader, launch, launchFirefox, mouseDrag, openPage, poll } from './browser.js';

const FirstFigure = async () => {
    const api = await window.altitude.ready;
    await api.firstFigure;
    return true;
};

async function puppeteerEngine(name) {
    const browser = await (name === 'firefox' ? launchFirefox() : launch());
    return {
        version: await browser.version(),
        close: () => browser.close(),
        async open(size) {
            const { page, record } = await openPage(browser, size);
            return {
                evaluate: (fn, ...args) => page.evaluate(fn, ...args),
                mouseDrag: (x, y, moves) => mouseDrag(page, x, y, moves),
                click: (x, y) => page.mouse.click(x, y),
                press: (key) => page.keyboard.press(key),
                async touchDrag(x, y, moves) {
                    await page.touchscreen.touchStart(x, y);
                    for (let i = 0; i < Math.abs(moves); ++i)
                        await page.touchscreen.touchMove((x += Math.sign(moves)), y);
                    await page.touchscreen.touchEnd();
                },
                console: () => [...record.console, ...record.errors],
                close: () => page.close(),
            };
        },
    };
}

// WebKitWebDriver on a port of its own, driving WebKitGTK's MiniBrowser.
// Each input action is sent and completed before the next, as a person's
// moves arrive one by one.
const WebDriverKeys = { ArrowLeft: '\uE012', ArrowRight: '\uE014', PageUp: '\uE00E', PageDown: '\uE00F' };

async function freePort() {
    const server = createServer();
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const { port } = server.address();
    await new Promise((resolve) => server.close(resolve));
    return port;
}

async function webkitEngine() {
    const port = await freePort();
    const driver = spawn(process.env.ALTITUDE_WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver', [`--port=${port}`],
                         { stdio: 'ignore' });
    // Whatever happens to the test, the driver (and with it the browser) ends with it.
    process.on('exit', () => driver.kill());
    const base = `http://127.0.0.1:${port}`;
    async function call(method, path, body) {
        const response = await fetch(`${base}${path}`, {
            method, headers: { 'Content-Type': 'application/json' }, body: body && JSON.stringify(body) });
        const { value } = await response.json();
        if (!response.ok)
            throw new Error(`WebDriver ${method} ${path}: ${value.error}: ${value.message}`);
        return value;
    }
    await poll('WebKitWebDriver to answer', () => fetch(`${base}/status`).then((r) => r.ok || undefined, () => undefined));
    const session = await call('POST', '/session', { capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': {
        binary: process.env.ALTITUDE_MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
        args: ['--automation'] } } } });
    const path = `/session/${session.sessionId}`;

    const evaluate = (fn, ...args) => call('POST', `${path}/execute/async`, {
        script: `const done = arguments[arguments.length - 1];
                 Promise.resolve((${fn}).apply(null, Array.prototype.slice.call(arguments, 0, -1)))
                     .then((value) => done({ value }), (error) => done({ error: String(error) }));`,
        args,
    }).then(({ value, error }) => {
        if (error)
            throw new Error(error);
        return value;
    });
    const pointer = (steps) => call('POST', `${path}/actions`, { actions: [
        { type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions: steps }] });
    const to = (x, y) => ({ type: 'pointerMove', x, y, origin: 'viewport', duration: 0 });
    async function drag(x, y, moves) {
        await pointer([to(x, y), { type: 'pointerDown', button: 0 }]);
        for (let i = 0; i < Math.abs(moves); ++i)
            await pointer([to((x += Math.sign(moves)), y)]);
        await pointer([{ type: 'pointerUp', button: 0 }]);
    }

    return {
        version: `WebKitGTK ${session.capabilities.browserVersion}`,
        async close() {
            await call('DELETE', path).catch(() => {});
            driver.kill();
        },
        async open({ width, height }) {
            // The window's frame takes what it takes: size the window so
            // that the viewport comes out as asked.
            await call('POST', `${path}/window/rect`, { width, height });
            const [innerWidth, innerHeight] = await evaluate(() => [window.innerWidth, window.innerHeight]);
            await call('POST', `${path}/window/rect`, { width: 2 * width - innerWidth, height: 2 * height - innerHeight });
            await call('POST', `${path}/url`, { url: PageUrl });
            await evaluate(FirstFigure);
            await installReader({ evaluate });
            return {
                evaluate,
                mouseDrag: drag,
                click: (x, y) => pointer([to(x, y), { type: 'pointerDown', button: 0 },
                                                   { type: 'pointerUp', button: 0 }]),
                press: (key) => call('POST', `${path}/actions`, { actions: [{ type: 'key', id: 'keyboard', actions: [
                    { type: 'keyDown', value: WebDriverKeys[key] }, { type: 'keyUp', value: WebDriverKeys[key] }] }] }),
                // WebKitWebDriver takes touch actions but hands the page
                // mouse events: no finger to test here.
                touchDrag: null,
                console: () => [],
                close: async () => {},
            };
        },
    };
}

export function startEngine(name) {
    return name === 'webkit' ? webkitEngine() : puppeteerEngine(name);
}
