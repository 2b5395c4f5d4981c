// Start-up: the font and the WebAssembly, both inside this file, then the
// window at the size of its element, the buttons over it, what screen
// readers are told, worksheets and the keys.
function decodeBase64(text) {
    // The browser's own decoder where it has one: several times faster than
    // a loop over the characters, and this is most of what start-up decodes.
    if (Uint8Array.fromBase64)
        return Uint8Array.fromBase64(text);
    const bytes = atob(text);
    const out = new Uint8Array(bytes.length);
    for (let i = 0; i < bytes.length; ++i)
        out[i] = bytes.charCodeAt(i);
    return out;
}

// The WebAssembly is stored deflated (zlib's format, less than half the
// size); the browser inflates it and compiles it as the bytes come, both
// natively. Emscripten's loader hands over its imports and takes the instance.
function instantiateCore(imports, receive) {
    const bytes = decodeBase64(AltitudeWasm);
    const deflated = new ReadableStream({
        start(controller) {
            controller.enqueue(bytes);
            controller.close();
        },
    });
    const wasm = new Response(deflated.pipeThrough(new DecompressionStream('deflate')),
                              { headers: { 'Content-Type': 'application/wasm' } });
    WebAssembly.instantiateStreaming(wasm, imports).then(({ instance, module }) => receive(instance, module));
    return {};
}

async function startAltitude() {
    performance.mark('altitude:script');
    const font = new FontFace(FontFamily, decodeBase64(AltitudeFont));
    document.fonts.add(font);
    // Labels are measured in the embedded font, so it must be ready first.
    const [module] = await Promise.all([
        createAltitudeCore({ instantiateWasm: instantiateCore, host: makeText() }),
        font.load(),
    ]);
    performance.mark('altitude:loaded');
    const core = wrapCore(module);

    const element = document.getElementById('figure');
    const canvas = document.getElementById('surface');
    const figure = makeFigure(element, canvas, core);
    const firstFigure = new Promise((resolve) => figure.onPainted(() => resolve(performance.now())));
    figure.start();
    performance.mark('altitude:started');

    const description = core.description();
    // A title collapses runs of blanks; no-break spaces keep the caption's three.
    document.title = description.caption.replace(/ {2,}/g, (blanks) => '\u00a0'.repeat(blanks.length));
    const controls = makeControls(document.getElementById('buttons'), description, core, figure);
    describeFigure(element, description, core, figure);

    const windowPicture = () => figure.withoutFocusBand(() => windowImage(canvas, controls));
    const copyWindow = () => copyToClipboard(windowPicture());
    const worksheets = makeWorksheets(core, figure, document.getElementById('save'), document.getElementById('print'));
    makeKeys(element, {
        copyWindow,
        saveWorksheet: () => worksheets.open(),
        figureKey: (keyCode, e) => figure.keyDown(keyCode, e),
        figureKeyUp: () => figure.keyUp(),
    });

    // For scripts and tests that look into the page.
    return {
        dump: core.dump,
        lengths: core.lengths,
        memoryBytes: core.memoryBytes,
        // The calls into the C++ window, which the page makes through this
        // object, and its text measurement: a test wraps the one to record
        // what the page said, and measures with the other as the page does.
        core,
        makeText,
        windowImage: windowPicture,
        worksheetSvg: worksheets.svg,
        copyWindow,
        firstFigure,
    };
}

window.altitude = { ready: startAltitude() };
