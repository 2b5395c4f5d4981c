// The site as a tablet uses it, from a static server on this machine:
// installable, offline after one visit, updated on the next visit online.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, test } from 'node:test';

import { Colors, PagePath, SitePath, angle, figureShown, launch, mouseDrag, openPage, pixel, serveFolder,
    waitFor } from './browser.js';

const work = mkdtempSync(join(tmpdir(), 'altitude-site-'));
const root = join(work, 'root');
let server, browser, page, record;

before(async () => {
    cpSync(SitePath, root, { recursive: true });
    server = await serveFolder(root);
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
    await page.setOfflineMode(offline);
    await page.reload({ waitUntil: 'load' });
    await figureShown(page);
}
// Nothing asked beyond the site, nothing said, nothing refused by the policy.
function assertQuiet(site) {
    assert.deepEqual(record.requests.filter((url) => !url.startsWith(`${site}/`)), [], 'requests beyond the site');
    assert.deepEqual([...record.console, ...record.errors], []);
}

test('installs, and works with the network gone after one visit', async () => {
    ({ page, record } = await openPage(browser, { url: `${server.origin}/` }));
    await waitFor(page, 'the service worker to control the page', () => navigator.serviceWorker.controller !== null);
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

test('a new build replaces the cached one on the next visit with a network', async () => {
    const changed = join(work, 'changed.html');
    writeFileSync(changed, readFileSync(join(SitePath, 'index.html'), 'utf8')
        .replace('<head>', '<head>\n<meta name="build" content="second">'));
    execFileSync('python3', [fileURLToPath(new URL('../../src/web/site/site.py', import.meta.url)),
                             '--page', changed, '--out', root]);
    const version = /const Version = '(\w+)'/.exec(readFileSync(join(root, 'sw.js'), 'utf8'))[1];
    await reload(false);
    await waitFor(page, 'the second build, alone, in the cache', async (version) => {
        const names = await caches.keys();
        return names.length === 1 && names[0].endsWith(` ${version}`);
    }, version);
    await reload(true);
    assert.ok(await page.$('meta[name="build"]'), 'the second build, offline');
    await mouseDrag(page, 450, 300, 5);
    assert.equal(await angle(page), 69);
    assertQuiet(server.origin);
    await page.close();
});

// Without coalesced events merged moves may turn A by less, but the right way.
test('turns A the right way from a plain-http address', async () => {
    const school = `http://school.test:${server.port}`;
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
