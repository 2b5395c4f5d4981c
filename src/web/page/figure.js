// The window's client area: one canvas showing the frame the C++ window
// paints, the pointer and the figure's keys turned into its handlers,
// painting paced to the browser's frames, the keyboard focus shown, and the
// size and pixel ratio kept up to date.
function makeFigure(element, canvas, core, longPressMilliseconds) {
    // Drawn for a hand that moves it: a browser that can shows each change
    // of the canvas as it is made, without waiting for the page's next frame
    // and all the main thread does for one (style, layout, painting the page
    // and handing it over). Every change is whole when it is handed over.
    const context = canvas.getContext('2d', { desynchronized: true });
    let origin = element.getBoundingClientRect();
    let scheduled = false;
    let keyRepeating = false;
    const painted = [];
    const handledListeners = [];
    // Where the figure's menu opens, at a point of the figure (menu.js).
    let openMenu = () => {};

    // The buttons and shift keys as the handlers number them; a Mac's
    // Command key counts as Ctrl.
    const ButtonCodes = [1, 4, 2]; // main, middle, second
    const buttonCode = (button) => ButtonCodes[button] || 0;
    const shiftCode = (e) => (e.shiftKey ? 1 : 0) | (e.ctrlKey || e.metaKey ? 2 : 0) | (e.altKey ? 4 : 0);
    const x = (e) => e.clientX - origin.left;
    const y = (e) => e.clientY - origin.top;

    // The frame as an image for the canvas, made again only when the frame
    // moves or the module's memory grows.
    let image = null;
    let imageOf = null;
    function frameImage(frame) {
        if (!image || imageOf.pixels !== frame.pixels || imageOf.buffer !== frame.buffer
            || imageOf.width !== frame.width || imageOf.height !== frame.height) {
            const bytes = new Uint8ClampedArray(frame.buffer, frame.pixels, frame.width * frame.height * 4);
            image = new ImageData(bytes, frame.width, frame.height);
            imageOf = frame;
        }
        return image;
    }

    // Only the rectangles that changed go to the canvas: handing it one
    // rectangle around them all would have it convert several times the
    // pixels while A is dragged.
    let lastPaint = -Infinity;
    function paint() {
        scheduled = false;
        lastPaint = performance.now();
        const { frame, areas } = core.paint();
        if (canvas.width !== frame.width || canvas.height !== frame.height) {
            canvas.width = frame.width;
            canvas.height = frame.height;
        }
        if (areas.length > 0) {
            const pixels = frameImage(frame);
            for (let i = 0; i < areas.length; i += 4)
                context.putImageData(pixels, 0, 0, areas[i], areas[i + 1], areas[i + 2], areas[i + 3]);
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

    // After every event a handler took: the figure is painted at the next
    // frame, and whoever listens hears of it. A browser that merges pointer
    // moves hands them over with the frame's input, about once a frame:
    // those are painted at once, and a move costs no frame callback of its
    // own. Moves that come faster (where a browser does not merge them)
    // still wait for the frame.
    function handled(paintNow = false) {
        if (paintNow && performance.now() - lastPaint >= 8)
            paint();
        else
            schedule();
        for (const listener of handledListeners)
            listener();
    }

    // The pointer that pressed on the figure owns the drag until every
    // button of it is up: another pointer's moves (a trackpad's while a
    // finger drags) are not the drag's. Its last place serves a drag that
    // ends without an event of its own.
    let dragPointer = null;
    let lastX = 0;
    let lastY = 0;

    // Wraps a handler of pointer events.
    const handle = (handler, paintNow = false) => (e) => {
        if (!e.isPrimary)
            return; // a second finger is not a second mouse
        if (dragPointer !== null && e.pointerId !== dragPointer)
            return;
        handler(e);
        handled(paintNow);
    };

    // A finger or pen held still on the figure opens its menu; a mouse has
    // its right button for that. The C++ window says whether the press is
    // still where it began and has moved nothing.
    let longPress = null;
    function stopLongPress() {
        clearTimeout(longPress);
        longPress = null;
    }
    function startLongPress(e) {
        stopLongPress();
        if (e.pointerType !== 'touch' && e.pointerType !== 'pen')
            return;
        const [atX, atY] = [x(e), y(e)];
        longPress = setTimeout(() => {
            longPress = null;
            if (dragPointer !== e.pointerId || !core.longPressOpensMenu())
                return;
            // The press is the menu's now: the drag ends where it began, and
            // the rest of the press, until it lifts, moves nothing.
            core.endDrag();
            handled();
            openMenu(atX, atY, false);
        }, longPressMilliseconds);
    }

    // A release, and whatever else ends the drag, through the same handler.
    function release(button, shift, releaseX, releaseY, buttons) {
        core.pointerUp(button, shift, releaseX, releaseY, buttons);
        if (buttons === 0) {
            dragPointer = null;
            stopLongPress();
        }
    }
    // The drag ends as if every button were released where the pointer was
    // last seen: its release may never come once the window has lost the
    // focus (Alt+Tab mid-drag), the page is hidden or the capture is lost.
    function endDrag() {
        if (dragPointer === null)
            return;
        release(0, 0, lastX, lastY, 0);
        handled();
    }

    element.addEventListener('pointerdown', handle((e) => {
        origin = element.getBoundingClientRect();
        takeFocus();
        try {
            element.setPointerCapture(e.pointerId);
        } catch {
            // The pointer is gone already; its up or cancel follows.
        }
        dragPointer = e.pointerId;
        [lastX, lastY] = [x(e), y(e)];
        core.pointerDown(buttonCode(e.button), shiftCode(e), x(e), y(e), e.buttons);
        startLongPress(e);
    }));

    // Every move the browser lets the page see is a step. Those it merged
    // into one event come back from getCoalescedEvents, which browsers give
    // secure pages alone (https, localhost, file:); without it,
    // pointerrawupdate comes once per move of the hardware where the
    // browser has it; failing both, each pointermove is one step, and a fast
    // mouse turns A less far than on the desktop.
    const coalesced = 'getCoalescedEvents' in PointerEvent.prototype;
    const moveEvent = !coalesced && 'onpointerrawupdate' in window ? 'pointerrawupdate' : 'pointermove';
    element.addEventListener(moveEvent, handle((e) => {
        // The drag's pointer with no button held: its release was lost.
        if (dragPointer !== null && e.buttons === 0) {
            release(0, shiftCode(e), x(e), y(e), 0);
            return;
        }
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
        const moves = coalesced ? e.getCoalescedEvents() : [];
        const all = moves.length > 0 ? moves : [e];
        for (const move of all)
            core.pointerMove(move.buttons, shiftCode(move), x(move), y(move));
        [lastX, lastY] = [x(e), y(e)];
        if (longPress !== null && !core.longPressOpensMenu())
            stopLongPress();
    }, moveEvent === 'pointermove'));

    // A right click that moved nothing opens the figure's menu where it is
    // let go.
    element.addEventListener('pointerup', handle((e) => {
        const button = buttonCode(e.button);
        release(button, shiftCode(e), x(e), y(e), e.buttons);
        if (e.buttons === 0 && core.clickOpensMenu(button))
            openMenu(x(e), y(e), false);
    }));
    element.addEventListener('pointercancel', handle((e) => release(0, shiftCode(e), x(e), y(e), 0)));
    element.addEventListener('lostpointercapture', (e) => {
        if (e.pointerId === dragPointer)
            endDrag();
    });
    window.addEventListener('blur', (e) => {
        if (e.target === window)
            endDrag();
    });
    document.addEventListener('visibilitychange', () => {
        if (document.hidden)
            endDrag();
    });
    // Not the browser's menu on the figure: the second button drags like the
    // first, as on the desktop, and a click of it that moved nothing opens
    // the figure's own menu (above), as a long press of a finger does.
    element.addEventListener('contextmenu', (e) => e.preventDefault());

    // The band along the edges that says the figure has the keyboard focus,
    // in the platform's highlight colour (the CSS system colour Highlight,
    // which the style gives the figure element as its own colour).
    let focusBand = false;
    function showFocusBand(shown) {
        const colour = getComputedStyle(element).color.match(/[\d.]+/g).slice(0, 3).map(Number);
        core.focusFrame(shown, colour);
        focusBand = shown;
        schedule();
    }
    // A key held while the focus leaves sends no key up here.
    const focusMoved = (shown) => () => {
        showFocusBand(shown);
        keyRepeating = false;
        handled();
    };
    // A press of any pointer gives the figure the keyboard focus, so that
    // the arrows are its next; inside another site's frame this also brings
    // the keys into the page. The band waits for a key, as a focus ring
    // waits for one after a click elsewhere.
    let pressing = false;
    function takeFocus() {
        pressing = true;
        element.focus({ preventScroll: true });
        pressing = false;
    }
    element.addEventListener('focus', () => focusMoved(!pressing)());
    element.addEventListener('blur', focusMoved(false));

    // The bitmap in device pixels. Where the browser counts the canvas's
    // (devicePixelContentBoxSize), the canvas fills the client area and the
    // bitmap takes that count; elsewhere the bitmap is the client area at
    // the ratio, rounded, and the canvas is shown at exactly that many
    // device pixels. Either way the browser shows the bitmap as it is,
    // never resampled, at any ratio.
    const counted = typeof ResizeObserverEntry !== 'undefined'
        && 'devicePixelContentBoxSize' in ResizeObserverEntry.prototype;
    let countedPixels = null;

    // The client area's size in pixels, the ratio and the bitmap's size.
    function measure() {
        origin = element.getBoundingClientRect();
        const ratio = window.devicePixelRatio || 1;
        const device = countedPixels || [Math.round(origin.width * ratio), Math.round(origin.height * ratio)];
        if (!counted) {
            canvas.style.width = `${device[0] / ratio}px`;
            canvas.style.height = `${device[1] / ratio}px`;
        }
        return [element.clientWidth, element.clientHeight, ratio, device, figureHeight];
    }

    // The window fills the viewport. Where the figure would lose a letter
    // past an edge, it takes the upright layout: the figure in the full
    // width at the window's own proportions, at the top, and the lesson's
    // panel in the room below it (the C++ side decides).
    let figureHeight = 0;
    function layOut() {
        const viewport = document.documentElement;
        const height = core.windowHeight(viewport.clientWidth, viewport.clientHeight);
        figureHeight = height < viewport.clientHeight ? height : 0;
    }

    // Painted at once, before the browser next shows the page: the canvas
    // never shows the old figure stretched to its new size.
    function resize() {
        core.resize(...measure());
        paint();
        for (const listener of handledListeners)
            listener();
    }

    // The pixel ratio changes when the page is zoomed or moved to another
    // screen; where the device pixels are counted, the observer hears of it.
    function watchRatio() {
        const query = matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
        query.addEventListener('change', () => {
            resize();
            watchRatio();
        }, { once: true });
    }

    return {
        start() {
            layOut();
            // Before the observer hears of the new size.
            window.addEventListener('resize', layOut);
            core.start(...measure());
            const observer = new ResizeObserver((entries) => {
                for (const entry of entries) {
                    if (entry.target === canvas) {
                        const [box] = entry.devicePixelContentBoxSize;
                        countedPixels = [box.inlineSize, box.blockSize];
                    }
                }
                resize();
            });
            observer.observe(element);
            if (counted)
                observer.observe(canvas, { box: 'device-pixel-content-box' });
            else
                watchRatio();
            // At once, not at the next frame: the first frame the browser
            // shows has the figure in it.
            paint();
        },
        handled,
        onPainted: (listener) => painted.push(listener),
        setMenu: (open) => { openMenu = open; },
        // The keys back to the figure, from its menu: the band shows where
        // the menu was worked from the keyboard.
        focus(byKeyboard) {
            pressing = !byKeyboard;
            element.focus({ preventScroll: true });
            pressing = false;
        },
        onHandled: (listener) => handledListeners.push(listener),

        // A key of the figure's, in Form1's key codes: true when the key
        // handler took it. A key on the focused figure shows the band if a
        // press gave it the focus. A held key repeats, one step per repeat,
        // each painted at the next frame.
        keyDown(keyCode, e) {
            if (!core.keyDown(keyCode, shiftCode(e)))
                return false;
            if (!focusBand && document.activeElement === element)
                showFocusBand(true);
            keyRepeating = e.repeat;
            handled();
            return true;
        },
        keyUp() {
            keyRepeating = false;
            handled();
        },
        keyRepeating: () => keyRepeating,

        // What `make` returns, made while the figure is painted as it looks
        // without the focus band, which is the keyboard's and no part of a
        // picture of the window.
        withoutFocusBand(make) {
            if (!focusBand)
                return make();
            showFocusBand(false);
            paint();
            try {
                return make();
            } finally {
                showFocusBand(true);
            }
        },
    };
}
