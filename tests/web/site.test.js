// The site as a tablet uses it, from a static server on this machine:
// installable, offline after one visit, updated on the next visit online.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, test } from 'node:test';

import { Colors, SitePath, angle, figureShown, launch, mouseDrag, openPage, pixel, poll, serveFolder, waitFor }
    from './browser.js';

const work = mkdtempSync(join(tmpdir(), 'altitude-site-'));
const root = join(work, 'root');
let site, browser, page, record;

// The site in `folder` from a static server on this machine, with the ways
// some servers differ: a redirect of /index.html to /, no type for .json.
// The server drops every request while `down`, as a lost network does, and
// holds the request for the file `hold` in `held` until it is dropped.
async function serveSite(folder, { redirect = false, noJson = false, hold = null } = {}) {
    const state = { down: false, held: null };
    const server = await serveFolder(folder, (request, response) => {
        if (state.down)
            return !!request.socket.destroy();
        if (request.url === `/${hold}`)
            return !!(state.held = request);
        if (redirect && request.url === '/index.html')
            return !!response.writeHead(301, { Location: '/' }).end();
        return noJson && request.url.endsWith('.json') && !!response.writeHead(404).end();
    });
    return Object.assign(state, server);
}

before(async () => {
    cpSync(SitePath, root, { recursive: true });
    site = await serveSite(root);
    // school.test is 127.0.0.1, yet neither loopback nor a secure context.
    browser = await launch({ args: ['--host-resolver-rules=MAP school.test 127.0.0.1',
                                    '--disable-features=HttpsUpgrades'] });
});
after(async () => {
    await browser?.close();
    site?.stop();
    rmSync(work, { recursive: true, force: true });
});

// A visit with the network, or with none (to the browser, and at the server).
async function reload(offline, on = site) {
    on.down = offline;
    await page.setOfflineMode(offline);
    await page.reload({ waitUntil: 'load' });
    await figureShown(page);
}
const saysKept = () => waitFor(page, 'the page to say that it is kept offline', () =>
    document.getElementById('kept').textContent !== '');
// Nothing asked beyond the site, nothing said, nothing refused by the policy.
function assertQuiet(origin) {
    assert.deepEqual(record.requests.filter((url) => !url.startsWith(`${origin}/`)), [], 'requests beyond the site');
    assert.deepEqual([...record.console, ...record.errors], []);
}

test('installs, and works with the network gone after one visit', async () => {
    ({ page, record } = await openPage(browser, { url: `${site.origin}/` }));
    await saysKept();
    assert.ok(await page.$eval('#save .offline', (e) => e.textContent === e.dataset.kept), 'the save dialog says so too');
    const { installabilityErrors } = await (await page.createCDPSession()).send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    const manifest = JSON.parse(readFileSync(join(SitePath, 'manifest.json'), 'utf8'));
    assert.equal(manifest.name, (await page.title()).replace(/\u00a0/g, ' '), 'the manifest names the window');
    await reload(true);
    assert.deepEqual(await pixel(page, 300, 432), Colors.black, 'BC drawn');
    await mouseDrag(page, 450, 300, -5);
    assert.equal(await angle(page), 79);
    assertQuiet(site.origin);
});

// Copied file by file, the new sw.js before the new page: the new worker
// finds the old page, keeps nothing, and the old build stays whole.
test('a new build shows from the first visit after its copy, and offline once it is kept', async () => {
    const [changed, next] = [join(work, 'changed.html'), join(work, 'next')];
    writeFileSync(changed, readFileSync(join(SitePath, 'index.html'), 'utf8')
        .replace('<head>', '<head>\n<meta name="build" content="second">'));
    execFileSync('python3', [fileURLToPath(new URL('../../src/web/site/site.py', import.meta.url)),
                             '--page', changed, '--out', next]);
    const versions = () => page.evaluate(() => caches.keys());
    const cached = await versions();
    const installed = async () => {
        await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
        await waitFor(page, 'the install to end', async () => (await navigator.serviceWorker.getRegistration()).installing === null);
    };
    copyFileSync(join(next, 'sw.js'), join(root, 'sw.js'));
    await reload(false);
    await installed();
    assert.deepEqual(await versions(), cached, 'the old build alone, after the new one failed');

    cpSync(next, root, { recursive: true });
    await reload(false);
    assert.ok(await page.$('meta[name="build"]'), 'the second build, at once');
    await installed();
    const version = /const Version = '(\w+)'/.exec(readFileSync(join(root, 'sw.js'), 'utf8'))[1];
    await waitFor(page, 'the second build, alone, in the cache', async (version) => {
        const names = await caches.keys();
        return names.length === 1 && names[0].endsWith(` ${version}`);
    }, version);
    await reload(true);
    assert.ok(await page.$('meta[name="build"]'), 'the second build, offline');
    await mouseDrag(page, 450, 300, 5);
    assert.equal(await angle(page), 69);
    assertQuiet(site.origin);
    await page.close();
});

// The worker's own fetch of /index.html comes through the redirect; the
// manifest is missing; the network goes while the large icon loads.
test('behind a server that redirects /index.html, keeps the page and says so only once it is kept', async () => {
    const other = await serveSite(SitePath, { redirect: true, noJson: true, hold: 'icon-512.png' });
    after(other.stop);
    ({ page, record } = await openPage(browser, { url: `${other.origin}/` }));
    await poll('the large icon to be asked for', () => other.held ?? undefined);
    assert.equal(await page.$eval('#kept', (e) => e.textContent), '', 'nothing said before the page is kept');
    other.down = true;
    other.held.socket.destroy();
    await saysKept();
    for (let visit = 1; visit <= 3; ++visit) {
        await reload(false, other);
        await reload(true, other);
    }
    await page.close();
});

// Without coalesced events merged moves may turn A by less, but the right way.
test('turns A the right way from a plain-http address', async () => {
    const school = `http://school.test:${site.port}`;
    site.down = false;
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
