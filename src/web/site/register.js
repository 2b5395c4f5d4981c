// On the site (never in the single file: a file:// page cannot have one),
// the service worker keeps the page for a classroom without network. It is
// registered once the figure is up, so its download of the site does not
// slow the start. Browsers allow one only in a secure context (https or
// localhost); elsewhere the page simply works while the network does.
//
// The page says whether it is kept: in the save dialog at any time, and
// once, for a few seconds, when this visit has just kept it. Where this
// visit showed the kept page because the server's came too late, and a newer
// build has been kept since, it says that the next visit opens the newer one.
{
    const line = document.querySelector('#save .offline');
    const notice = document.getElementById('kept');
    const say = (isKept) => { line.textContent = isKept ? line.dataset.kept : line.dataset.notKept; };
    const OnDisk = 'このコピーはネットワークがなくてもそのまま使えます。';
    const Newer = '新しい版があります。次に開いたときに切り替わります。';
    const tell = (text) => {
        notice.textContent = text;
        setTimeout(() => { notice.textContent = notice.textContent === text ? '' : notice.textContent; }, 6000);
    };
    // Over plain http no browser lets a page keep itself: not "not yet", but
    // never. A copy opened from a disk or a share needs nothing kept: the
    // page is the whole program, and no worker could be registered there.
    const onDisk = window.location.protocol === 'file:';
    const canKeep = !onDisk && window.isSecureContext && 'serviceWorker' in navigator;
    if (canKeep)
        say(false);
    else
        line.textContent = onDisk ? OnDisk : line.dataset.never;
    // Kept: a worker is active, which it became only when its install had
    // stored the whole of its build, and the page is in its cache. Which
    // build, its marker says.
    async function keptBuild() {
        const registration = await navigator.serviceWorker.getRegistration();
        const page = registration?.active && (await caches.match(new URL('index.html', registration.scope).href));
        return page ? /<meta name="altitude-build" content="(\w+)">/.exec(await page.text())?.[1] ?? '' : null;
    }
    const shown = document.querySelector('meta[name="altitude-build"]').content;
    // The page shown was the kept one; another kept since opens next time.
    // Never said in the middle of a lesson: once it is back at its start.
    let toldNewer = false;
    async function tellIfNewer(lesson) {
        if (toldNewer || [shown, null].includes(await keptBuild()))
            return;
        toldNewer = true;
        while (lesson() > 0)
            await new Promise((resolve) => setTimeout(resolve, 1000));
        tell(Newer);
    }
    async function register(api) {
        const before = await keptBuild();
        say(before !== null);
        navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).catch(() => {});
        await navigator.serviceWorker.ready;
        if (before === shown) {
            // A new build's worker takes the page over once it has kept the
            // build, and has put the old one away once it is activated.
            const lesson = () => api?.lesson() ?? 0;
            navigator.serviceWorker.addEventListener('controllerchange', () => {
                const worker = navigator.serviceWorker.controller;
                const activated = () => worker?.state === 'activated' && tellIfNewer(lesson).catch(() => {});
                worker?.addEventListener('statechange', activated);
                activated();
            });
            await tellIfNewer(lesson);
        }
        if (before !== null || (await keptBuild()) === null)
            return;
        say(true);
        tell(line.dataset.kept);
    }
    if (canKeep)
        window.altitude.ready.then(register, () => register()).catch(() => {});
}
