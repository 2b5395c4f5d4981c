// The window's keys. Each binding says which key it takes and what it does;
// keys that act on the figure end in a handler of the C++ window, as the
// mouse does. Ctrl+P needs none: the browser prints, and the page hands it
// the figure (worksheets.js).
// form/keycodes.h
const FigureKeys = { ArrowLeft: 37, ArrowRight: 39, PageUp: 33, PageDown: 34, Home: 36, F5: 116, Escape: 27 };
const WindowKeys = { s: 83, F1: 112 }; // the lesson's step, the list of keys

function makeKeys(figureElement, actions) {
    const command = (e) => (e.ctrlKey || e.metaKey) && !e.altKey && !e.shiftKey;
    const letter = (e) => e.key.toLowerCase();
    const windowKey = (e) => (e.key === 'F1' ? e.key : letter(e));
    // The window and the page around it, but not the save dialog.
    const windowElement = figureElement.parentElement;
    const inWindow = (target) => target === document.body || target === document.documentElement
        || windowElement.contains(target);
    const bindings = [
        // Ctrl+C: the window as it looks, as an image, for worksheets.
        { matches: (e) => command(e) && letter(e) === 'c', run: actions.copyWindow },
        // Ctrl+S: the figure as a download, a drawing or a picture.
        { matches: (e) => command(e) && letter(e) === 's', run: actions.saveWorksheet },
        // The keyboard's menu key, or Shift+F10, on the focused figure: its
        // menu, in place of the browser's.
        { matches: (e) => e.target === figureElement && (e.key === 'ContextMenu' || (e.key === 'F10' && e.shiftKey
                                                                                     && !e.ctrlKey && !e.altKey)),
          run: actions.openMenu },
        // On the focused figure: Left and Page Up turn A towards B, Right and
        // Page Down towards C, ten steps with Shift; Home resets; F5 starts
        // the lesson and Esc ends it, as a presenter's remote starts and
        // ends a slide show (the browser would reload on F5: only while the
        // figure has the focus, so that the page stays the browser's
        // elsewhere). The key handler says whether a key is the figure's:
        // one it leaves (with Ctrl, say, or Esc with no lesson) does what
        // the browser does with it.
        { matches: (e) => e.target === figureElement && e.key in FigureKeys,
          run: (e) => actions.figureKey(FigureKeys[e.key], e) },
        // Page Up and Page Down wherever the focus is in the window, since
        // no button uses them: a presenter's remote sends them, and works
        // from the first moment, with no click and no Tab. While the lesson
        // is on they step it, otherwise they turn A.
        { matches: (e) => (e.key === 'PageUp' || e.key === 'PageDown') && inWindow(e.target),
          run: (e) => actions.figureKey(FigureKeys[e.key], e) },
        // S and Shift+S step the lesson on and back, F1 shows the list of
        // keys (and not the browser's help), wherever the focus is in the
        // window, in either mode.
        { matches: (e) => !e.ctrlKey && !e.metaKey && !e.altKey && windowKey(e) in WindowKeys && inWindow(e.target),
          run: (e) => actions.figureKey(WindowKeys[windowKey(e)], e) },
    ];

    document.addEventListener('keydown', (e) => {
        for (const binding of bindings) {
            if (binding.matches(e)) {
                if (binding.run(e) !== false)
                    e.preventDefault();
                return;
            }
        }
    });
    document.addEventListener('keyup', (e) => {
        if ((e.key in FigureKeys || windowKey(e) in WindowKeys) && inWindow(e.target))
            actions.figureKeyUp();
    });
    return bindings;
}

// Puts the window's image, made by `image`, on the clipboard as a PNG.
// Where the browser has no clipboard for images (a page over plain http, an
// old browser), it returns false, so that the key is left to the browser.
// A refusal later is quiet, as the browser's own copy is.
function copyToClipboard(image) {
    if (!navigator.clipboard || !navigator.clipboard.write || typeof ClipboardItem === 'undefined')
        return false;
    const picture = image();
    const png = new Promise((resolve, reject) =>
        picture.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('no image'))), 'image/png'));
    try {
        navigator.clipboard.write([new ClipboardItem({ 'image/png': png })]).catch(() => {});
    } catch {
        // Refused outright: the page stays quiet, as it does when refused later.
    }
    return true;
}
