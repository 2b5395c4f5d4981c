// The site as a tablet uses it, from a static server on this machine:
// installable, offline after one visit, updated on the next visit online.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { after, before, beforeEach, test } from 'node:test';

import { Colors, PagePath, SitePath, angle, figureShown, launch, launchFirefox, mouseDrag, openPage, pixel, poll,
    serveFolder, waitFor } from './browser.js';

const work = mkdtempSync(join(tmpdir(), 'altitude-site-'));
const root = join(work, 'root');
let server, browser, page, record;

// While the network is gone, the servers drop every request, as it would.
// How the site's server may answer a request itself, or not (false).
let down = false;
let misbehave;
beforeEach(() => {
    down = false;
    misbehave = () => false;
});
const dropped = (request) => down && !!request.socket.destroy();

before(async () => {
    cpSync(SitePath, root, { recursive: true });
    server = await serveFolder(root, (request, response) => dropped(request) || misbehave(request, response));
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
    await waitFor(page, 'the address to keep the angle', () => window.location.hash === '#angle=79');
    assertQuiet(server.origin);
});

// The page itself stalled after its headers and 64 KB, crawling at 5 KB/s, a
// portal's login page, a redirect to one: the kept page, whole, within 5 s
// of the request by the page's own clock, in Chromium and in Firefox.
const html = (response) => response.writeHead(200, { 'Content-Type': 'text/html' });
const Misbehaving = {
    'stalls after 64 KB': (response, body) => html(response).write(body.subarray(0, 65536)),
    'crawls at 5 KB/s': (response, body, sent = 0) => {
        const crawl = setInterval(() => (response.destroyed ? clearInterval(crawl)
            : response.write(body.subarray(sent, (sent += 500)))), 100);
        html(response);
    },
    'sends a portal': (response) => html(response).end('<!DOCTYPE html><html><title>ログイン</title><form></form></html>'),
    'redirects to a portal': (response) => response.writeHead(302, { Location: '/portal' }).end(),
};
async function keptWhateverTheServer(tab, engine) {
    for (const [how, answer] of Object.entries(Misbehaving)) {
        misbehave = (request, response) => ['/', '/portal'].includes(request.url)
            && ((request.url === '/' ? answer : Misbehaving['sends a portal'])(response, readFileSync(join(root, 'index.html'))), true);
        await tab.reload({ waitUntil: 'load' });
        await figureShown(tab);
        const shown = await tab.evaluate(async () => (await window.altitude.ready).firstFigure);
        assert.ok(shown < 5000, `${engine}, a server that ${how}: the figure at ${Math.round(shown)} ms`);
    }
    misbehave = () => false;
}

test('shows the kept site within 5 s whatever the server does with the page', async () => {
    await keptWhateverTheServer(page, 'Chromium');
    const firefox = await launchFirefox();
    after(() => firefox.close());
    const { page: tab } = await openPage(firefox, { url: `${server.origin}/` });
    await waitFor(tab, 'Firefox to keep the page', () => document.getElementById('kept').textContent);
    await keptWhateverTheServer(tab, 'Firefox');
});

// Another build of the site, from the page as `make web` left it with a
// mark of its own, through the same script: its folder and its version.
function makeBuild(name) {
    const [changed, folder] = [join(work, `${name}.html`), join(work, name)];
    writeFileSync(changed, readFileSync(join(SitePath, 'index.html'), 'utf8')
        .replace('<head>', `<head>\n<meta name="build" content="${name}">`));
    execFileSync('python3', [fileURLToPath(new URL('../../src/web/site/site.py', import.meta.url)),
                             '--page', changed, '--out', folder]);
    return [folder, /const Version = '(\w+)'/.exec(readFileSync(join(folder, 'sw.js'), 'utf8'))[1]];
}

// Copied file by file, sw.js first: the new worker finds the old page and
// keeps nothing; the old build stays, whole, until the copy is complete.
test('a new build shows from the first visit after its copy, offline once it is kept', async () => {
    const [next, version] = makeBuild('second');
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

// A third build copied while the server's page hangs after its headers: the
// kept second build shows; the third, kept meanwhile, is said to open next
// time once the lesson is back at step 0 (the page looks at the step first:
// noted here), and does.
test('keeps a newer build for the next visit and says so, never during the lesson', async () => {
    cpSync(makeBuild('third')[0], root, { recursive: true });
    let install = null;
    misbehave = (request, response) => (request.url === '/' && !!html(response))
        || (request.url === '/index.html' && !!(install = response));
    ({ page, record } = await openPage(browser, { url: `${server.origin}/#lesson=1` }));
    await page.evaluate(async () => {
        const api = await window.altitude.ready;
        api.lesson = ((lesson) => () => (window.looked = true) && lesson())(api.lesson);
    });
    html(await poll('the third build to ask for its page', () => install ?? undefined)).end(readFileSync(join(root, 'index.html')));
    await waitFor(page, 'the page to look at the lesson before it speaks', () => window.looked);
    assert.equal(await page.$eval('#kept', (e) => e.textContent), '', 'nothing said during the lesson');
    await page.evaluate(() => { window.location.hash = '#lesson=0'; });
    await waitFor(page, 'the corner to say so', () =>
        document.getElementById('kept').textContent === '新しい版があります。次に開いたときに切り替わります。');
    await reload(true);
    assert.equal(await page.$eval('meta[name="build"]', (e) => e.content), 'third');
    assertQuiet(server.origin);
    await page.close();
});

// Its own fetch of /index.html comes through the redirect, the manifest is
// missing, every file varies on everything (which the cache refuses), the
// network goes while the large icon loads: the page is kept.
test('behind a server that redirects /index.html and sends Vary: *, says it is kept only once it is', async () => {
    let held = null;
    const other = await serveFolder(SitePath, (request, response) => dropped(request)
        || (request.url === '/icon-512.png' && !!(held = request))
        || (request.url === '/index.html' && !!response.writeHead(301, { Location: '/' }).end())
        || (request.url === '/manifest.json' && !!response.writeHead(404).end()), { Vary: '*' });
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

// A first visit, no worker yet, over a 9 KB/s link: in every frame the
// waiting words, never the sentence that it cannot start; and part way, how
// much of the page has arrived.
test('says the figure is on its way over a slow first visit, never that it cannot start', async () => {
    const tab = await browser.newPage();
    await tab.evaluateOnNewDocument(() => requestAnimationFrame(function look() {
        const [stuck, bar] = [document.getElementById('stuck'), document.getElementById('arrived')];
        window.seen = { ...window.seen, [stuck && getComputedStyle(stuck).visibility]: true, [bar && bar.value / bar.max]: true };
        requestAnimationFrame(look);
    }));
    await (await tab.createCDPSession()).send('Network.emulateNetworkConditions',
        { offline: false, latency: 0, downloadThroughput: 9000, uploadThroughput: 9000 });
    await tab.goto(`http://localhost:${server.port}/`, { waitUntil: 'load', timeout: 60000 });
    await figureShown(tab);
    const seen = Object.keys(await tab.evaluate(() => window.seen));
    assert.ok(!seen.includes('visible') && seen.includes('hidden') && seen.some((part) => part > 0.1 && part < 0.9), `${seen}`);
    await tab.close();
});

// A copy on a disk is the whole program: nothing to keep, nothing logged
// (a manifest asked for over file: would be).
test('from a disk, says in the save dialog that the copy works as it is', async () => {
    ({ page, record } = await openPage(browser, { url: pathToFileURL(join(SitePath, 'index.html')).href }));
    assert.equal(await page.$eval('#save .offline', (e) => e.textContent), 'このコピーはネットワークがなくてもそのまま使えます。');
    assertQuiet(pathToFileURL(SitePath).href);
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
