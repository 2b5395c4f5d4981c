// Start-up: the font and the WebAssembly, both inside this file, then the
// window at the size of its element, the buttons over it, and the keys.
function decodeBase64(text) {
    const bytes = atob(text);
    const out = new Uint8Array(bytes.length);
    for (let i = 0; i < bytes.length; ++i)
        out[i] = bytes.charCodeAt(i);
    return out;
}

async function startAltitude() {
    performance.mark('altitude:script');
    const font = new FontFace(FontFamily, decodeBase64(AltitudeFont));
    document.fonts.add(font);
    // Labels are measured in the embedded font, so it must be ready first.
    const [module] = await Promise.all([
        createAltitudeCore({ wasmBinary: decodeBase64(AltitudeWasm), host: makeText() }),
        font.load(),
    ]);
    performance.mark('altitude:loaded');
    const core = wrapCore(module);

    const element = document.getElementById('figure');
    const canvas = document.getElementById('surface');
    const figure = makeFigure(element, canvas, core);
    figure.start();
    performance.mark('altitude:started');

    const description = core.description();
    // A title collapses runs of blanks; no-break spaces keep the caption's three.
    document.title = description.caption.replace(/ {2,}/g, (blanks) => '\u00a0'.repeat(blanks.length));
    element.setAttribute('aria-label', description.figureName);
    const controls = makeControls(document.getElementById('buttons'), description, core, figure);

    // Screen readers hear the four lengths as they change.
    let lengths = '';
    figure.onPainted(() => {
        const now = core.lengths();
        if (now !== lengths) {
            lengths = now;
            element.setAttribute('aria-description', now);
        }
    });

    const firstFigure = new Promise((resolve) => figure.onPainted(() => resolve(performance.now())));
    const copyWindow = () => copyToClipboard(windowImage(canvas, controls));
    makeKeys({ copyWindow });

    // For scripts and tests that look into the page.
    return {
        dump: core.dump,
        lengths: core.lengths,
        memoryBytes: core.memoryBytes,
        windowImage: () => windowImage(canvas, controls),
        copyWindow,
        firstFigure,
    };
}

window.altitude = { ready: startAltitude() };
