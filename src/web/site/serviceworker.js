// The site's service worker (sw.js). After one visit the site opens and
// works with no network: the page is answered from a cache that holds one
// build of the site, named for that build, and never mixes two. While there
// is a network, a visit shows the page the server has, whole, where it
// arrives in time, so that a new build shows from the first visit after it
// is in place; else the kept page. Meanwhile the worker of the new build
// (the browser fetches sw.js afresh on each visit) keeps it whole for the
// visits to come, and the old build's cache is deleted once the new one is
// complete.
const Version = '@VERSION@';
// Each file of the build, with its SHA-256 and whether a lesson needs it:
// the page does; the manifest and the icons are kept where the server has them.
const Files = @FILES@;
// Caches belong to the whole origin, which a school server may share with
// other sites: ours are named by the site's address as well.
const Prefix = `altitude ${self.registration.scope} `;
const CacheName = Prefix + Version;
// How long a visit waits for the whole of the server's page before it shows
// the kept one: the lesson is on the screen within 5 s of the request
// whatever the link does (a classroom's wireless may hang, crawl, or land on
// a portal rather than fail), the page itself starting in well under a
// second.
const NetworkWait = 3000;
// What an answer made here carries besides the body: its type, what the
// server says about showing the page, and for a kept file, the SHA-256 it
// was checked against. A server's other headers are of no use offline, and
// some make the cache refuse the file (`Vary: *`).
const KeptHeaders = ['Content-Type', 'Content-Security-Policy', 'X-Frame-Options'];

function plainResponse(body, headers, integrity) {
    const kept = new Headers(integrity ? { 'Altitude-Integrity': integrity } : {});
    for (const name of KeptHeaders) {
        if (headers.has(name))
            kept.set(name, headers.get(name));
    }
    return new Response(body, { headers: kept });
}

// One file of this build, as a plain response: one that came through a
// redirect (a server may send /index.html to /) could not answer a
// navigation. The copy of a build kept before serves where it has the same
// SHA-256 (an icon no build changed), else the server, past the browser's
// HTTP cache. A page with other contents belongs to another build, copied in
// part (sw.js first, the page after): it fails the install, and the next
// visit tries again. A file the lesson can do without is left out (null)
// where the server does not give it as this build has it: missing, another
// build's, or the network gone.
async function fetchFile(file) {
    const { integrity, required } = Files[file];
    const before = await caches.match(file);
    if (before?.headers.get('Altitude-Integrity') === integrity)
        return plainResponse(await before.arrayBuffer(), before.headers, integrity);
    const response = await fetch(new Request(file, { cache: 'reload', integrity })).catch((error) => {
        if (required)
            throw error;
        return null;
    });
    return response && plainResponse(await response.arrayBuffer(), response.headers, integrity);
}

self.addEventListener('install', (event) => {
    event.waitUntil((async () => {
        const names = Object.keys(Files);
        // All of them in hand before any is stored, so that a failed
        // install leaves no cache behind.
        const responses = await Promise.all(names.map(fetchFile));
        const cache = await caches.open(CacheName);
        try {
            await Promise.all(names.map((name, i) => responses[i] && cache.put(name, responses[i])));
        } catch (error) {
            await caches.delete(CacheName);
            throw error;
        }
        // A page that is open holds all of its build in its one file, so the
        // new build may take over at once.
        await self.skipWaiting();
    })());
});

self.addEventListener('activate', (event) => {
    event.waitUntil((async () => {
        for (const name of await caches.keys()) {
            if (name.startsWith(Prefix) && name !== CacheName)
                await caches.delete(name);
        }
        await self.clients.claim();
    })());
});

// The site's address itself is its index.html.
function siteFile(url) {
    const scope = new URL(self.registration.scope);
    if (url.origin !== scope.origin || !url.pathname.startsWith(scope.pathname))
        return null;
    const file = url.pathname.slice(scope.pathname.length) || 'index.html';
    return Object.hasOwn(Files, file) ? file : null;
}

const kept = (file) => caches.open(CacheName).then((cache) => cache.match(file));

// The whole of the server's page, where it is a page of this program (its
// marker, and its end: the connection may close half way): any build's, so
// that a new one shows at once. A body handed on as it streams in would stall
// the page with the link, and Firefox cuts one off after 30 s; a portal's
// login page (or a redirect to one) and a proxy's error are not this page.
// Redirects within the site are followed here; the answer is a plain one.
async function serverPage(request, signal) {
    try {
        const response = await fetch(new Request(request, { mode: 'same-origin', redirect: 'follow', signal }));
        if (!response.ok)
            return null;
        const body = await response.arrayBuffer();
        const text = new TextDecoder().decode(body);
        if (!/<meta name="altitude-build" content="[0-9a-f]+">/.test(text) || !/<\/html>\s*$/.test(text))
            return null;
        return plainResponse(body, response.headers);
    } catch {
        return null;
    }
}

// The server's page where it comes whole in time; else the kept page (and
// the server's, given up, leaves the link to the new build's install); with
// no page kept (the browser may have evicted the cache to free room), the
// server's as it comes, as without a worker.
async function thePage(request) {
    const page = await kept('index.html');
    if (!page)
        return fetch(request);
    const late = new AbortController();
    const server = serverPage(request, late.signal);
    const answer = await Promise.race([server, new Promise((resolve) => setTimeout(resolve, NetworkWait, null))]);
    if (answer)
        return answer;
    late.abort();
    return page;
}

self.addEventListener('fetch', (event) => {
    const file = event.request.method === 'GET' ? siteFile(new URL(event.request.url)) : null;
    if (!file)
        return;
    // The browser may have evicted the cache: then the network, while there
    // is one.
    event.respondWith(file === 'index.html' ? thePage(event.request)
        : kept(file).then((response) => response || fetch(event.request)));
});
