// The list of keys that F1 shows over the figure closes on the first key or
// press anywhere in the page, which then does nothing else, as on the
// desktop: a press on a box does not tick it, a key does not turn A.
function closeKeyHelpOnAnyInput(core, figure) {
    let swallowClick = false;
    function close(e) {
        if (!core.keyHelpShown())
            return false;
        core.closeKeyHelp();
        figure.handled();
        e.preventDefault();
        e.stopPropagation();
        return true;
    }
    document.addEventListener('keydown', (e) => {
        swallowClick = false;
        close(e);
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
