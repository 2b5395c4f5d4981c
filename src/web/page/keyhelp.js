// The list of keys that F1 shows over the figure closes on the first key or
// press anywhere in the page, which then does nothing else, as on the
// desktop: a press on a box does not tick it, a key does not turn A. A
// modifier's own press (Shift before S) leaves the list open, and the key
// that closes it is swallowed whole: its repeats and its release too.
const Modifiers = new Set(['Shift', 'Control', 'Alt', 'AltGraph', 'Meta', 'OS', 'Super', 'Hyper', 'Fn',
                           'CapsLock', 'NumLock']);

function closeKeyHelpOnAnyInput(core, figure) {
    let swallowClick = false;
    let swallowedKey = null; // the closing key's code, until it is up
    const keyOf = (e) => e.code || e.key;
    const swallow = (e) => {
        e.preventDefault();
        e.stopPropagation();
    };
    function close(e) {
        if (!core.keyHelpShown())
            return false;
        core.closeKeyHelp();
        figure.handled();
        swallow(e);
        return true;
    }
    document.addEventListener('keydown', (e) => {
        swallowClick = false;
        if (swallowedKey !== null && keyOf(e) === swallowedKey) {
            swallow(e);
            return;
        }
        if (!core.keyHelpShown() || Modifiers.has(e.key))
            return;
        // F1 held: its repeats are no new key.
        if (e.repeat) {
            swallow(e);
            return;
        }
        swallowedKey = keyOf(e);
        close(e);
    }, true);
    document.addEventListener('keyup', (e) => {
        if (swallowedKey === null || keyOf(e) !== swallowedKey)
            return;
        swallowedKey = null;
        swallow(e);
    }, true);
    document.addEventListener('pointerdown', (e) => {
        swallowClick = close(e);
    }, true);
    // The click that follows the press that closed the list.
    document.addEventListener('click', (e) => {
        if (!swallowClick)
            return;
        swallowClick = false;
        e.preventDefault();
        e.stopPropagation();
    }, true);
}
