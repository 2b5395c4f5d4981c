// The window's client area: one canvas showing the frame the C++ window
// paints, the pointer turned into its mouse handlers, painting paced to the
// browser's frames, and the size and pixel ratio kept up to date.
function makeFigure(element, canvas, core) {
    const context = canvas.getContext('2d');
    let origin = element.getBoundingClientRect();
    let scheduled = false;
    const painted = [];

    // The buttons and shift keys as the handlers number them.
    const ButtonCodes = [1, 4, 2]; // main, middle, second
    const buttonCode = (button) => ButtonCodes[button] || 0;
    const shiftCode = (e) => (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
    const x = (e) => e.clientX - origin.left;
    const y = (e) => e.clientY - origin.top;

    function paint() {
        scheduled = false;
        const area = core.paint();
        const frame = area.frame;
        if (canvas.width !== frame.width || canvas.height !== frame.height) {
            canvas.width = frame.width;
            canvas.height = frame.height;
        }
        if (area.width > 0 && area.height > 0) {
            const image = new ImageData(frame.pixels, frame.width, frame.height);
            context.putImageData(image, 0, 0, area.left, area.top, area.width, area.height);
        }
        for (const listener of painted)
            listener();
    }

    function schedule() {
        if (!scheduled) {
            scheduled = true;
            requestAnimationFrame(paint);
        }
    }

    // Wraps a handler of pointer events: the figure is painted at the next frame.
    const handle = (handler) => (e) => {
        if (!e.isPrimary)
            return; // a second finger is not a second mouse
        handler(e);
        schedule();
    };

    element.addEventListener('pointerdown', handle((e) => {
        origin = element.getBoundingClientRect();
        try {
            element.setPointerCapture(e.pointerId);
        } catch {
            // The pointer is gone already; its up or cancel follows.
        }
        core.pointerDown(buttonCode(e.button), shiftCode(e), x(e), y(e), e.buttons);
    }));

    element.addEventListener('pointermove', handle((e) => {
        // Another mouse button pressed or released while one is held (a
        // pen's eraser and other buttons the handlers do not know are left out).
        const code = buttonCode(e.button);
        if (code !== 0) {
            if (e.buttons & code)
                core.pointerDown(code, shiftCode(e), x(e), y(e), e.buttons);
            else
                core.pointerUp(code, shiftCode(e), x(e), y(e), e.buttons);
        }
        // The browser hands over at most one move per frame; the moves the
        // hardware delivered in between come back from getCoalescedEvents.
        const moves = e.getCoalescedEvents ? e.getCoalescedEvents() : [];
        const all = moves.length > 0 ? moves : [e];
        for (const move of all)
            core.pointerMove(move.buttons, shiftCode(move), x(move), y(move));
    }));

    const release = handle((e) => {
        core.pointerUp(buttonCode(e.button), shiftCode(e), x(e), y(e), e.buttons);
    });
    element.addEventListener('pointerup', release);
    element.addEventListener('pointercancel', release);
    // No menu on the second button: it drags like the first, as on the desktop.
    element.addEventListener('contextmenu', (e) => e.preventDefault());

    function resize() {
        origin = element.getBoundingClientRect();
        const width = element.clientWidth;
        const height = element.clientHeight;
        canvas.style.width = `${width}px`;
        canvas.style.height = `${height}px`;
        core.resize(width, height, window.devicePixelRatio || 1);
        schedule();
    }

    // The pixel ratio changes when the page is zoomed or moved to another screen.
    function watchRatio() {
        const query = matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
        query.addEventListener('change', () => {
            resize();
            watchRatio();
        }, { once: true });
    }

    return {
        start() {
            const width = element.clientWidth;
            const height = element.clientHeight;
            canvas.style.width = `${width}px`;
            canvas.style.height = `${height}px`;
            core.start(width, height, window.devicePixelRatio || 1);
            new ResizeObserver(resize).observe(element);
            watchRatio();
            schedule();
        },
        schedule,
        onPainted: (listener) => painted.push(listener),
    };
}
