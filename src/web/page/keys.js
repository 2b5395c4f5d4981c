// The window's keys. Each binding says which key it takes and what it does;
// keys that act on the figure end in a handler of the C++ window, as the
// mouse does.
function makeKeys(actions) {
    const command = (e) => (e.ctrlKey || e.metaKey) && !e.altKey && !e.shiftKey;
    const bindings = [
        // Ctrl+C: the window as it looks, as an image, for worksheets.
        { matches: (e) => command(e) && e.key.toLowerCase() === 'c', run: actions.copyWindow },
    ];

    document.addEventListener('keydown', (e) => {
        for (const binding of bindings) {
            if (binding.matches(e)) {
                e.preventDefault();
                binding.run();
                return;
            }
        }
    });
    return bindings;
}

// Puts the window's image on the clipboard as a PNG. Where the browser has no
// clipboard for images, or refuses, nothing happens.
function copyToClipboard(image) {
    if (!navigator.clipboard || typeof ClipboardItem === 'undefined')
        return;
    const png = new Promise((resolve, reject) =>
        image.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('no image'))), 'image/png'));
    try {
        navigator.clipboard.write([new ClipboardItem({ 'image/png': png })]).catch(() => {});
    } catch {
        // Refused outright: the page stays quiet, as it does when refused later.
    }
}
