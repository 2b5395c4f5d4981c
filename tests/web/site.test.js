// The site as a pupil's tablet uses it: served by a plain static server on
// this machine, installable, working with the network gone after one visit,
// and taking a new build on the next visit with a network. Then the same
// site from a school server's plain-http address, a context the browser
// does not trust (no service worker, fewer pointer events).
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, test } from 'node:test';

import { Colors, angle, figureShown, launch, mouseDrag, openPage, pixel, poll, waitFor } from './browser.js';

const SitePath = resolve(process.env.ALTITUDE_WEB_SITE || 'build-web/site');
const SiteScript = fileURLToPath(new URL('../../src/web/site/site.py', import.meta.url));
// A name for a school server, which the browser is told lies at 127.0.0.1:
// nothing leaves this machine, yet the page's origin is neither loopback
// nor secure.
const SchoolHost = 'school.test';

const version = (site) => /const Version = '(\w+)'/.exec(readFileSync(join(site, 'sw.js'), 'utf8'))[1];

function freePort() {
    return new Promise((resolve, reject) => {
        const probe = createServer().on('error', reject);
        probe.listen(0, '127.0.0.1', () => {
            const { port } = probe.address();
            probe.close(() => resolve(port));
        });
    });
}

let work;
let root;
let server;
let origin;
let browser;
let page;
let record;

before(async () => {
    work = mkdtempSync(join(tmpdir(), 'altitude-site-'));
    root = join(work, 'root');
    cpSync(SitePath, root, { recursive: true });
    const port = await freePort();
    origin = `http://127.0.0.1:${port}`;
    server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1', '--directory', root],
                   { stdio: 'ignore' });
    await poll('the static server to answer', () =>
        fetch(`${origin}/`).then((response) => (response.ok ? true : undefined), () => undefined));
    browser = await launch({ args: [`--host-resolver-rules=MAP ${SchoolHost} 127.0.0.1`,
                                     '--disable-features=HttpsUpgrades'] });
});

after(async () => {
    await browser?.close();
    server?.kill();
    rmSync(work, { recursive: true, force: true });
});

// Every request the page made went to the site, and it said nothing.
function assertQuiet(site) {
    assert.deepEqual(record.requests.filter((url) => !url.startsWith(`${site}/`)), [], 'requests beyond the site');
    assert.deepEqual(record.console, [], 'nothing on the console, nothing refused');
    assert.deepEqual(record.errors, []);
}

async function reload() {
    await page.reload({ waitUntil: 'load' });
    await figureShown(page);
}

test('installs, and works with the network gone after one visit', async () => {
    ({ page, record } = await openPage(browser, { url: `${origin}/` }));
    await waitFor(page, 'the service worker to control the page', () => navigator.serviceWorker.controller !== null);
    const session = await page.createCDPSession();
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    const manifest = JSON.parse(readFileSync(join(SitePath, 'manifest.json'), 'utf8'));
    assert.equal(manifest.name, (await page.title()).replace(/\u00a0/g, ' '), 'the manifest names the window');

    await page.setOfflineMode(true);
    await reload();
    assert.deepEqual(await pixel(page, 300, 432), Colors.black, 'BC drawn');
    await mouseDrag(page, 450, 300, -5);
    assert.equal(await angle(page), 79);
    assertQuiet(origin);
});

test('a new build replaces the cached one on the next visit with a network', async () => {
    // The second build: a changed page through the same script.
    const changed = join(work, 'changed.html');
    writeFileSync(changed, readFileSync(join(SitePath, 'index.html'), 'utf8')
        .replace('<head>', '<head>\n<meta name="altitude-build" content="second">'));
    const second = join(work, 'second');
    execFileSync('python3', [SiteScript, '--page', changed, '--out', second]);
    assert.notEqual(version(second), version(SitePath));
    cpSync(second, root, { recursive: true });

    await page.setOfflineMode(false);
    await reload();
    await waitFor(page, 'the second build, alone, in the cache', async (wanted) => {
        const names = await caches.keys();
        return names.length === 1 && names[0].endsWith(` ${wanted}`);
    }, version(second));

    await page.setOfflineMode(true);
    await reload();
    assert.ok(await page.$('meta[name="altitude-build"]'), 'the second build, offline');
    await mouseDrag(page, 450, 300, 5);
    assert.equal(await angle(page), 69);
    assertQuiet(origin);
    await page.close();
});

// Without coalesced events the browser merges moves, so A may turn by
// fewer degrees than moves; it must still turn, and the right way.
test('turns A the right way from a plain-http address', async () => {
    const school = `http://${SchoolHost}:${new URL(origin).port}`;
    ({ page, record } = await openPage(browser, { url: `${school}/` }));
    assert.equal(await page.evaluate(() => window.isSecureContext), false);
    await mouseDrag(page, 450, 300, -20);
    const turned = await angle(page);
    assert.ok(turned > 74, `a drag to the left turned A towards B, to ${turned}`);
    await mouseDrag(page, 450, 300, 20);
    assert.ok(await angle(page) < turned, 'a drag to the right turned it back');
    assertQuiet(school);
    await page.close();
});
