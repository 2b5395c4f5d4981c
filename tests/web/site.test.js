// The site as a tablet uses it, from a static server on this machine:
// installable, offline after one visit, updated on the next visit online.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, beforeEach, test } from 'node:test';

import { Colors, PagePath, SitePath, angle, figureShown, launch, mouseDrag, openPage, pixel, poll, serveFolder,
    waitFor } from './browser.js';

const work = mkdtempSync(join(tmpdir(), 'altitude-site-'));
const root = join(work, 'root');
let server, browser, page, record;

// While the network is gone, the servers drop every request, as it would.
let down = false;
beforeEach(() => { down = false; });
const dropped = (request) => down && !!request.socket.destroy();

before(async () => {
    cpSync(SitePath, root, { recursive: true });
    server = await serveFolder(root, dropped);
    // school.test is 127.0.0.1, yet neither loopback nor a secure context.
    browser = await launch({ args: ['--host-resolver-rules=MAP school.test 127.0.0.1',
                                    '--disable-features=HttpsUpgrades'] });
});
after(async () => {
    await browser?.close();
    server?.stop();
    rmSync(work, { recursive: true, force: true });
});

async function reload(offline) {
    down = offline;
    await page.setOfflineMode(offline);
    await page.reload({ waitUntil: 'load' });
    await figureShown(page);
}
const saysKept = () => waitFor(page, 'the page to say it is kept offline', () => document.getElementById('kept').textContent);
// Nothing asked beyond the site, nothing said, nothing refused by the policy.
function assertQuiet(site) {
    assert.deepEqual(record.requests.filter((url) => !url.startsWith(`${site}/`)), [], 'requests beyond the site');
    assert.deepEqual([...record.console, ...record.errors], []);
}

test('installs, and works with the network gone after one visit', async () => {
    ({ page, record } = await openPage(browser, { url: `${server.origin}/` }));
    await saysKept();
    assert.ok(await page.$eval('#save .offline', (e) => e.textContent === e.dataset.kept), 'the save dialog says so');
    const { installabilityErrors } = await (await page.createCDPSession()).send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    const manifest = JSON.parse(readFileSync(join(SitePath, 'manifest.json'), 'utf8'));
    assert.equal(manifest.name, (await page.title()).replace(/\u00a0/g, ' '), 'the manifest names the window');
    for (const file of [PagePath, join(SitePath, 'index.html')])
        assert.match(readFileSync(file, 'utf8'), /IPAフォントライセンスv1\.0/, `the font's licence in ${file}`);
    await reload(true);
    assert.deepEqual(await pixel(page, 300, 432), Colors.black, 'BC drawn');
    await mouseDrag(page, 450, 300, -5);
    assert.equal(await angle(page), 79);
    assertQuiet(server.origin);
});

// Copied file by file, sw.js first: the new worker finds the old page and
// keeps nothing; the old build stays, whole, until the copy is complete.
test('a new build shows from the first visit after its copy, offline once it is kept', async () => {
    const [changed, next] = [join(work, 'changed.html'), join(work, 'next')];
    writeFileSync(changed, readFileSync(join(SitePath, 'index.html'), 'utf8')
        .replace('<head>', '<head>\n<meta name="build" content="second">'));
    execFileSync('python3', [fileURLToPath(new URL('../../src/web/site/site.py', import.meta.url)),
                             '--page', changed, '--out', next]);
    const version = /const Version = '(\w+)'/.exec(readFileSync(join(next, 'sw.js'), 'utf8'))[1];
    const cached = await page.evaluate(() => caches.keys());
    copyFileSync(join(next, 'sw.js'), join(root, 'sw.js'));
    await reload(false);
    await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
    await waitFor(page, 'the install to end', async () => !(await navigator.serviceWorker.getRegistration()).installing);
    assert.deepEqual(await page.evaluate(() => caches.keys()), cached);
    cpSync(next, root, { recursive: true });
    await reload(false);
    assert.ok(await page.$('meta[name="build"]'), 'the second build, at once');
    await waitFor(page, 'the second build, alone, in the cache', async (version) => {
        const names = await caches.keys();
        return names.length === 1 && names[0].endsWith(` ${version}`);
    }, version);
    await reload(true);
    assert.ok(await page.$('meta[name="build"]'), 'the second build, offline');
    // The address kept the angle the first visit's drag left (#angle=79),
    // and the reload, offline, came back to it.
    assert.equal(await angle(page), 79);
    await mouseDrag(page, 450, 300, 5);
    assert.equal(await angle(page), 74);
    assertQuiet(server.origin);
    await page.close();
});

// Its own fetch of /index.html comes through the redirect, the manifest is
// missing, the network goes while the large icon loads: the page is kept.
test('behind a server that redirects /index.html, says it is kept only once it is', async () => {
    let held = null;
    const other = await serveFolder(SitePath, (request, response) => dropped(request)
        || (request.url === '/icon-512.png' && !!(held = request))
        || (request.url === '/index.html' && !!response.writeHead(301, { Location: '/' }).end())
        || (request.url === '/manifest.json' && !!response.writeHead(404).end()));
    after(other.stop);
    ({ page, record } = await openPage(browser, { url: `${other.origin}/` }));
    await poll('the large icon to be asked for', () => held ?? undefined);
    assert.equal(await page.$eval('#kept', (e) => e.textContent), '', 'nothing said before the page is kept');
    down = !!held.socket.destroy();
    await saysKept();
    for (const offline of [false, true, false, true, false, true])
        await reload(offline);
    await page.close();
});

// Without coalesced events merged moves may turn A by less, but the right way.
test('turns A the right way from a plain-http address', async () => {
    const school = `http://school.test:${server.port}`;
    ({ page, record } = await openPage(browser, { url: `${school}/` }));
    assert.equal(await page.evaluate(() => window.isSecureContext), false);
    assert.ok(await page.$eval('#save .offline', (e) => e.textContent === e.dataset.never), 'never kept, and says so');
    await mouseDrag(page, 450, 300, -20);
    const turned = await angle(page);
    assert.ok(turned > 74, `a drag to the left turned A towards B, to ${turned}`);
    await mouseDrag(page, 450, 300, 20);
    assert.ok(await angle(page) < turned, 'a drag to the right turned it back');
    assertQuiet(school);
    await page.close();
});
