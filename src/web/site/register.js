// On the site (never in the single file: a file:// page cannot have one),
// the service worker keeps the page for a classroom without network. It is
// registered once the figure is up, so its download of the site does not
// slow the start. Browsers allow one only in a secure context (https or
// localhost); elsewhere the page simply works while the network does.
if (window.isSecureContext && 'serviceWorker' in navigator) {
    const register = () => navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).catch(() => {});
    window.altitude.ready.then(register, register);
}
