// What a screen reader is told of the figure: it is a picture named by the
// C++ side (直角三角形ABCと垂線AD), described by the lengths a pupil can
// read on it at that moment. The description is the text of a polite live
// region, so that a change is also spoken; it changes only once a drag or a
// held key has ended, so the reader tells where A came to rest, not every
// degree on the way.
function describeFigure(element, description, core, figure) {
    const region = document.createElement('div');
    region.id = 'lengths';
    region.className = 'spoken';
    region.setAttribute('role', 'status');
    // The lengths at start-up are there before the region is, and are not
    // announced; only what changes later is.
    region.textContent = core.changedLengths() ?? '';
    element.after(region);
    element.setAttribute('aria-label', description.figureName);
    element.setAttribute('aria-describedby', region.id);

    figure.onHandled(() => {
        if (core.dragging() || figure.keyRepeating())
            return;
        const changed = core.changedLengths();
        if (changed !== null)
            region.textContent = changed;
    });
}
