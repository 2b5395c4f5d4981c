// The site's service worker (sw.js). After one visit the site opens and
// works with no network: the page is answered from a cache that holds one
// build of the site, named for that build, and never mixes two. While there
// is a network, a visit shows the page the server has, so that a new build
// shows from the first visit after it is in place; meanwhile the worker of
// the new build (the browser fetches sw.js afresh on each visit) keeps it
// whole for the visits without network, and the old build's cache is
// deleted once the new one is complete.
const Version = '@VERSION@';
// Each file of the build, with its SHA-256 and whether a lesson needs it:
// the page does; the manifest and the icons are kept where the server has them.
const Files = @FILES@;
// Caches belong to the whole origin, which a school server may share with
// other sites: ours are named by the site's address as well.
const Prefix = `altitude ${self.registration.scope} `;
const CacheName = Prefix + Version;
// How long a visit waits for the server's page before it takes the kept one
// (a classroom's wireless may hang rather than fail).
const NetworkWait = 4000;

// One file of this build from the server, past the browser's HTTP cache, as
// a plain response: one that came through a redirect (a server may send
// /index.html to /) could not answer a navigation. A page with other
// contents belongs to another build, copied in part (sw.js first, the page
// after): it fails the install, and the next visit tries again. A file the
// lesson can do without is left out (null) where the server does not give
// it as this build has it: missing, another build's, or the network gone.
async function fetchFile(file) {
    const { integrity, required } = Files[file];
    const response = await fetch(new Request(file, { cache: 'reload', integrity })).catch((error) => {
        if (required)
            throw error;
        return null;
    });
    if (!response)
        return null;
    const { status, statusText, headers } = response;
    return new Response(await response.blob(), { status, statusText, headers });
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

// The server's page, where it answers with one in time; else the kept page;
// failing both, whatever the server said. The server's page is never stored
// here: the cache holds only what an install checked.
async function thePage(request) {
    const network = fetch(request);
    const usable = network.then((r) => (r.ok || r.type === 'opaqueredirect' ? r : null), () => null);
    const first = await Promise.race([usable, new Promise((resolve) => setTimeout(resolve, NetworkWait, null))]);
    return first || (await kept('index.html')) || (await usable) || network;
}

self.addEventListener('fetch', (event) => {
    const file = event.request.method === 'GET' ? siteFile(new URL(event.request.url)) : null;
    if (!file)
        return;
    // The browser may have evicted the cache to free room: then the
    // network, while there is one.
    event.respondWith(file === 'index.html' ? thePage(event.request)
        : kept(file).then((response) => response || fetch(event.request)));
});
