// On the site (never in the single file: a file:// page cannot have one),
// the service worker keeps the page for a classroom without network. It is
// registered once the figure is up, so its download of the site does not
// slow the start. Browsers allow one only in a secure context (https or
// localhost); elsewhere the page simply works while the network does.
//
// The page says whether it is kept: in the save dialog at any time, and
// once, for a few seconds, when this visit has just kept it.
{
    const line = document.querySelector('#save .offline');
    const notice = document.getElementById('kept');
    const say = (isKept) => { line.textContent = isKept ? line.dataset.kept : line.dataset.notKept; };
    const OnDisk = 'このコピーはネットワークがなくてもそのまま使えます。';
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
    // stored the whole of its build, and the page is in its cache.
    async function kept() {
        const registration = await navigator.serviceWorker.getRegistration();
        return !!registration?.active && (await caches.match(new URL('index.html', registration.scope).href)) !== undefined;
    }
    async function register() {
        const before = await kept();
        say(before);
        navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).catch(() => {});
        await navigator.serviceWorker.ready;
        if (before || !(await kept()))
            return;
        say(true);
        notice.textContent = line.dataset.kept;
        setTimeout(() => { notice.textContent = ''; }, 6000);
    }
    if (canKeep)
        window.altitude.ready.then(register, register).catch(() => {});
}
