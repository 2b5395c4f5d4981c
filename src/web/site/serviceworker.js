// The site's service worker (sw.js). After one visit the site opens and
// works with no network: every file is answered from a cache that holds one
// build of the site, named for that build. A new build comes in as a whole
// on the next visit with a network (the browser fetches sw.js afresh on each
// visit and finds a new version in it); the old build's cache is deleted
// once the new one is complete. A file is never answered from another
// build's cache, so a page opened offline never mixes two builds.
const Version = '@VERSION@';
const Files = @FILES@;
// Caches belong to the whole origin, which a school server may share with
// other sites: ours are named by the site's address as well.
const Prefix = `altitude ${self.registration.scope} `;
const CacheName = Prefix + Version;

self.addEventListener('install', (event) => {
    event.waitUntil((async () => {
        const cache = await caches.open(CacheName);
        // From the server, past the browser's HTTP cache, which may still
        // hold the old build's files; addAll stores all of them or none.
        await cache.addAll(Files.map((file) => new Request(file, { cache: 'reload' })));
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
    return Files.includes(file) ? file : null;
}

self.addEventListener('fetch', (event) => {
    const file = event.request.method === 'GET' ? siteFile(new URL(event.request.url)) : null;
    if (!file)
        return;
    event.respondWith((async () => {
        const cache = await caches.open(CacheName);
        // The browser may have evicted the cache to free room: then the
        // network, while there is one.
        return (await cache.match(file)) || fetch(event.request);
    })());
});
