// Debian's Chromium, headless, driven by puppeteer-core: a fresh profile per
// launch, no network services of its own, and the page opened from disk.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

import puppeteer from 'puppeteer-core';

export const PagePath = resolve(process.env.ALTITUDE_WEB_PAGE || 'build-web/altitude.html');
export const PageUrl = pathToFileURL(PagePath).href;

export async function launch() {
    const profile = mkdtempSync(join(tmpdir(), 'altitude-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: process.env.ALTITUDE_CHROMIUM || '/usr/bin/chromium',
        headless: true,
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync',
               `--user-data-dir=${profile}`],
    });
    const close = browser.close.bind(browser);
    browser.close = async () => {
        await close();
        rmSync(profile, { recursive: true, force: true });
    };
    return browser;
}

// A page at `width` x `height` CSS pixels and `ratio` device pixels to the
// pixel, with every request and console message recorded, the figure painted.
export async function openPage(browser, { width = 900, height = 541, ratio = 1 } = {}) {
    const page = await browser.newPage();
    const record = { requests: [], console: [], errors: [] };
    page.on('request', (request) => record.requests.push(request.url()));
    page.on('console', (message) => record.console.push(`${message.type()}: ${message.text()}`));
    page.on('pageerror', (error) => record.errors.push(String(error)));
    await page.setViewport({ width, height, deviceScaleFactor: ratio });
    await page.goto(PageUrl, { waitUntil: 'load' });
    await page.evaluate(async () => {
        const api = await window.altitude.ready;
        await api.firstFigure;
    });
    return { page, record };
}

// Waits for a condition in the page, polling, for up to 20 s.
export async function waitFor(page, what, fn, ...args) {
    try {
        await page.waitForFunction(fn, { timeout: 20000, polling: 20 }, ...args);
    } catch {
        throw new Error(`waited 20 s for ${what}`);
    }
}
