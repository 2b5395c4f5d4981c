// Start-up: the font and the WebAssembly, both inside this file, then the
// window at the size of its element, the buttons over it, what screen
// readers are told, worksheets and the keys; or, where the browser cannot,
// a sentence that says what it lacks.
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
// natively, or where it cannot inflate, the page's script does. Emscripten's
// loader hands over its imports and takes the instance; a failure goes to
// `failed`, since the loader itself would wait for the instance for good.
function instantiateCore(failed) {
    function instantiate(imports) {
        const bytes = decodeBase64(AltitudeWasm);
        if (typeof DecompressionStream === 'undefined')
            return WebAssembly.instantiate(inflateZlib(bytes), imports);
        const deflated = new ReadableStream({
            start(controller) {
                controller.enqueue(bytes);
                controller.close();
            },
        });
        const wasm = new Response(deflated.pipeThrough(new DecompressionStream('deflate')),
                                  { headers: { 'Content-Type': 'application/wasm' } });
        return WebAssembly.instantiateStreaming(wasm, imports);
    }
    return (imports, receive) => {
        // Later, so that a failure on the way comes here too.
        Promise.resolve(imports).then(instantiate).then(({ instance, module }) => receive(instance, module))
            .catch(failed);
        return {};
    };
}

// What the page says in place of the figure when it cannot start: what the
// browser lacks, in one sentence.
const StartFailures = {
    wasm: 'このブラウザーは WebAssembly に対応していないため、図を表示できません。',
    refused: 'このページを置いたサイトの設定で WebAssembly の実行が許可されていないため、図を表示できません。',
    font: 'このブラウザーはページに埋め込まれたフォントを読み込めないため、図を表示できません。',
    memory: 'このブラウザーで使えるメモリーが足りないため、図を表示できません。',
    other: 'このブラウザーには図を表示するための機能が足りないため、図を表示できません。',
    slow: 'このブラウザーでは図の準備が終わらないため、図を表示できません。',
};

function startFailure(error) {
    if (typeof WebAssembly !== 'object')
        return StartFailures.wasm;
    const text = String(error && (error.message || error));
    if (error instanceof RangeError || /memory|OOM/i.test(text))
        return StartFailures.memory;
    if (/Content.Security|CSP|unsafe-eval|Refused/i.test(text))
        return StartFailures.refused;
    if (error instanceof WebAssembly.CompileError || error instanceof WebAssembly.LinkError)
        return StartFailures.wasm;
    if (error && error.name === 'FontFailed')
        return StartFailures.font;
    return StartFailures.other;
}

// The page's visible text until the figure replaces it: what happens, or
// why nothing can.
function startingStatus() {
    const status = document.getElementById('status');
    // The style's sentence is for a page whose script never runs.
    document.getElementById('stuck').remove();
    // However start-up hangs, the page never waits silently for good.
    const timer = setTimeout(() => {
        status.textContent = StartFailures.slow;
    }, 30000);
    return {
        started() {
            clearTimeout(timer);
            status.remove();
        },
        failed(error) {
            clearTimeout(timer);
            status.textContent = startFailure(error);
        },
    };
}

async function startAltitude(status) {
    performance.mark('altitude:script');
    const font = new FontFace(FontFamily, decodeBase64(AltitudeFont));
    document.fonts.add(font);
    const fontLoaded = font.load().catch((error) => {
        throw Object.assign(new Error(`the font failed to load: ${error}`), { name: 'FontFailed' });
    });
    let failed;
    const failure = new Promise((resolve, reject) => { failed = reject; });
    // Labels are measured in the embedded font, so it must be ready first.
    const [module] = await Promise.race([
        Promise.all([createAltitudeCore({ instantiateWasm: instantiateCore(failed), host: makeText() }), fontLoaded]),
        failure,
    ]);
    performance.mark('altitude:loaded');
    const core = wrapCore(module);

    const element = document.getElementById('figure');
    const canvas = document.getElementById('surface');
    const figure = makeFigure(element, canvas, core, core.longPressMilliseconds());
    const firstFigure = new Promise((resolve) => figure.onPainted(() => resolve(performance.now())));
    figure.start();
    performance.mark('altitude:started');

    const description = core.description();
    // A title collapses runs of blanks; no-break spaces keep the caption's three.
    document.title = description.caption.replace(/ {2,}/g, (blanks) => '\u00a0'.repeat(blanks.length));
    const controls = makeControls(document.getElementById('buttons'), description, core, figure);
    makeLessonSteps(document.getElementById('buttons'), core, figure);
    describeFigure(element, description, core, figure);

    const windowPicture = () => figure.withoutFocusBand(() => windowImage(canvas, controls));
    const copyWindow = () => copyToClipboard(windowPicture);
    const worksheets = makeWorksheets(core, figure, document.getElementById('save'), document.getElementById('print'));
    const menu = makeMenu(core, figure, element, { save: () => worksheets.open(), print: () => window.print() });
    figure.setMenu(menu.open);
    closeKeyHelpOnAnyInput(core, figure);
    followStateInAddress(core, figure, controls);
    makeKeys(element, {
        copyWindow,
        saveWorksheet: () => worksheets.open(),
        figureKey: (keyCode, e) => figure.keyDown(keyCode, e),
        figureKeyUp: () => figure.keyUp(),
        openMenu: () => menu.open(element.clientWidth / 2, element.clientHeight / 2, true),
    });

    // Safari's pinch, where its version zooms in spite of touch-action.
    document.addEventListener('gesturestart', (e) => e.preventDefault());
    // All of it in the same turn, so that no frame shows the page half made.
    status.started();

    // For scripts and tests that look into the page.
    return {
        dump: core.dump,
        lengths: core.lengths,
        lesson: core.lesson,
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

// The page's address holds what the class sees, so that a reload or a
// shared link shows it again: altitude.html#lesson=3&angle=30, with
// lengths=1 (all three length boxes ticked) and grid=0 (the grid hidden).
// It is read at start-up and whenever its fragment changes (a learning
// platform can link to each step; #lesson=3 alone changes the step alone),
// and kept current as the step, A and the boxes change, by replacing the
// address: the browser's history gains no entry.
function followStateInAddress(core, figure, controls) {
    const asked = (name) => new RegExp(`(?:^#|&)${name}=(-?\\d{1,15})(?:&|$)`).exec(window.location.hash)?.[1];
    let written = window.location.hash;

    function follow() {
        const [lesson, angle, lengths, grid] = ['lesson', 'angle', 'lengths', 'grid'].map(asked);
        if ([lesson, angle, lengths, grid].every((value) => value === undefined))
            return;
        written = window.location.hash;
        core.applyPose(lesson === undefined ? core.pose().lesson : Number(lesson),
                       angle === undefined ? null : Number(angle), lengths === '1', grid !== '0');
        showButtonValues(controls, core.description());
        figure.handled();
    }

    function fragment() {
        const { lesson, angle, lengths, grid } = core.pose();
        const parts = [];
        if (lesson > 0)
            parts.push(`lesson=${lesson}`);
        if (lesson > 0 || angle !== 74)
            parts.push(`angle=${angle}`);
        if (lengths)
            parts.push('lengths=1');
        if (!grid)
            parts.push('grid=0');
        return parts.length > 0 ? `#${parts.join('&')}` : '';
    }

    // Once a drag or a held key has ended, and at most ten times a second:
    // a browser refuses (and complains of) an address replaced hundreds of
    // times in a few seconds.
    let timer = null;
    function write() {
        // A drag or a held key still going on: its end is what to keep.
        if (core.dragging() || figure.keyRepeating()) {
            timer = setTimeout(write, 100);
            return;
        }
        timer = null;
        const now = fragment();
        if (now === written || (now === '' && written === '#'))
            return;
        written = now;
        try {
            history.replaceState(history.state, '', window.location.href.split('#')[0] + now);
        } catch {
            // A page whose address may not change (some frames): it keeps its own.
        }
    }
    figure.onHandled(() => {
        if (timer === null && !core.dragging() && !figure.keyRepeating())
            timer = setTimeout(write, 100);
    });

    follow();
    window.addEventListener('hashchange', follow);
}

const startStatus = startingStatus();
const ready = startAltitude(startStatus);
// A start that fails says why on the page; `ready` rejects for scripts.
ready.catch((error) => startStatus.failed(error));
window.altitude = { ready };
