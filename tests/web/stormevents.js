// The page storm's events: from one seed, everything a pupil can do to the
// page, sent through DevTools as the browser's own input. Mouse, pen and up
// to three fingers press, drag and let go anywhere, on the letters too; the
// figure's keys (a remote's F5 and Esc among them), Tab, Space and Enter;
// clicks on the check boxes, option buttons and reset; the page's frame
// resized down to 0 x 0 and back; the pixel ratio changed; Ctrl+S and
// Escape. A right click that moves nothing, or a finger held still, opens
// the figure's menu, whose entries the keys then work.
//
// Every event goes out on one DevTools session, in order, without waiting
// for the browser to take it (a move waits for the next frame otherwise);
// flush() waits for all of them.
import { number } from './browser.js';

// A small seeded generator (mulberry32): the same seed, the same storm.
export function generator(seed) {
    let state = seed >>> 0;
    const next = () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 2 ** 32;
    };
    const int = (from, to) => from + Math.floor(next() * (to - from + 1));
    return { next, int, pick: (list) => list[int(0, list.length - 1)] };
}

export const Buttons = ['Command1', 'Option1_0', 'Option1_1', 'Check1', 'Check2', 'Check3', 'Check4'];
const FigureKeys = ['ArrowLeft', 'ArrowRight', 'PageUp', 'PageDown', 'Home', 'F5', 'Escape', 'ArrowDown'];
const MouseButtons = [['left', 1], ['right', 2], ['middle', 4]];
const KeyCodes = { ArrowLeft: 37, ArrowRight: 39, ArrowDown: 40, PageUp: 33, PageDown: 34, Home: 36, Tab: 9,
                   Enter: 13, Space: 32, Escape: 27, F5: 116, s: 83, Shift: 16, Control: 17 };
const Shift = 8;
const Ctrl = 2;

// `session` is the DevTools session of the page that shows this one in the
// frame with the id "page"; `view` is the frame's size and pixel ratio,
// which the storm changes, never past `largest`.
export function makeStorm(session, random, view, largest) {
    const mouse = { x: 450, y: 270, buttons: 0 };
    const pen = { x: 450, y: 270, down: false };
    const fingers = new Map();
    const pending = [];
    let dialog = false;
    let labels = [];
    let buttons = {};
    let sent = 0;
    // Now and then DevTools answers an event with an internal error and
    // drops it; the page then never sees it, and the replay does not either.
    const refused = [];
    const send = (method, params) => {
        const index = ++sent;
        pending.push(session.send(method, params).catch((error) => {
            refused.push(`${index}: ${method} ${error.message}`);
        }));
    };
    const modifiers = () => (random.next() < 0.1 ? random.pick([Ctrl, Shift, Ctrl | Shift]) : 0);

    // Mostly inside the page, some on its edges, a few far outside.
    function point() {
        const r = random.next();
        if (r < 0.8)
            return [random.int(0, view.width) + random.pick([0, 0.25, 0.5]), random.int(0, view.height)];
        if (r < 0.95)
            return [random.pick([0, view.width]) + random.int(-3, 3), random.int(-3, view.height + 3)];
        return [random.int(-3000, 5000), random.int(-3000, 5000)];
    }
    function onLabel() {
        const box = random.pick(labels);
        return box ? [box.x + random.int(0, box.w - 1), box.y + random.int(0, box.h - 1)] : point();
    }
    const mouseEvent = (type, kind, state, button) => send('Input.dispatchMouseEvent', {
        type, x: state.x, y: state.y, button, buttons: kind === 'pen' ? (state.down ? 1 : 0) : state.buttons,
        clickCount: type === 'mouseMoved' ? 0 : 1, pointerType: kind, modifiers: modifiers() });
    const touch = (type) => send('Input.dispatchTouchEvent', { type,
        touchPoints: [...fingers].map(([id, [x, y]]) => ({ x, y, id, radiusX: 2, radiusY: 2, force: 1 })) });

    function keyEvent(type, name, held) {
        const code = KeyCodes[name];
        const text = held & Ctrl ? undefined : { Enter: '\r', Space: ' ', s: 's' }[name];
        send('Input.dispatchKeyEvent', {
            type: type === 'keyUp' ? 'keyUp' : text ? 'keyDown' : 'rawKeyDown', modifiers: held,
            key: name === 'Space' ? ' ' : name,
            code: { s: 'KeyS', Shift: 'ShiftLeft', Control: 'ControlLeft' }[name] ?? name,
            windowsVirtualKeyCode: code, nativeVirtualKeyCode: code, text: type === 'keyUp' ? undefined : text });
    }
    function key(name, modifier = 0) {
        const holding = modifier === Ctrl ? 'Control' : modifier === Shift ? 'Shift' : null;
        if (holding)
            keyEvent('keyDown', holding, modifier);
        keyEvent('keyDown', name, modifier);
        keyEvent('keyUp', name, modifier);
        if (holding)
            keyEvent('keyUp', holding, 0);
        return `key ${holding ? `${holding}+` : ''}${name}`;
    }
    function click(name) {
        [mouse.x, mouse.y] = buttons[name];
        mouseEvent('mousePressed', 'mouse', { ...mouse, buttons: 1 }, 'left');
        mouseEvent('mouseReleased', 'mouse', mouse, 'left');
        return `click on ${name}`;
    }
    // The page's frame, its size set by the page it is shown in.
    const resizeFrame = () => send('Runtime.evaluate', { expression:
        `document.getElementById('page').style.cssText += 'width: ${view.width}px; height: ${view.height}px'` });

    const steps = [
        [30, () => {
            [mouse.x, mouse.y] = point();
            mouseEvent('mouseMoved', 'mouse', mouse, 'none');
            return `mouse move to ${mouse.x}, ${mouse.y}`;
        }],
        [8, (label) => {
            const free = MouseButtons.filter(([, bit]) => !(mouse.buttons & bit));
            if (free.length === 0)
                return null;
            const [name, bit] = random.pick(free);
            [mouse.x, mouse.y] = label ? onLabel() : point();
            mouse.buttons |= bit;
            mouseEvent('mousePressed', 'mouse', mouse, name);
            return `mouse ${name} down at ${mouse.x}, ${mouse.y}`;
        }],
        [8, () => {
            const held = MouseButtons.filter(([, bit]) => mouse.buttons & bit);
            if (held.length === 0)
                return null;
            const [name, bit] = random.pick(held);
            mouse.buttons &= ~bit;
            mouseEvent('mouseReleased', 'mouse', mouse, name);
            return `mouse ${name} up at ${mouse.x}, ${mouse.y}`;
        }],
        [16, (label) => {
            const r = random.next();
            if ((label || r < 0.25) && fingers.size < 3) {
                const id = [1, 2, 3].find((n) => !fingers.has(n));
                fingers.set(id, label ? onLabel() : point());
                touch('touchStart');
                return `finger ${id} down at ${fingers.get(id)}`;
            }
            if (fingers.size === 0)
                return null;
            if (r < 0.4) {
                const id = random.pick([...fingers.keys()]);
                fingers.delete(id);
                touch('touchEnd');
                return `finger ${id} up`;
            }
            if (r < 0.42) {
                fingers.clear();
                touch('touchCancel');
                return 'touches cancelled';
            }
            for (const [id, [x, y]] of fingers)
                fingers.set(id, [x + random.int(-20, 20), y + random.int(-20, 20)]);
            touch('touchMove');
            return `fingers move to ${[...fingers.values()].join(' / ')}`;
        }],
        [12, (label) => {
            const r = random.next();
            const press = label ? !pen.down : r >= 0.9;
            [pen.x, pen.y] = label ? onLabel() : r < 0.8 ? [pen.x + random.int(-15, 15), pen.y + random.int(-15, 15)] : point();
            if (!press) {
                mouseEvent('mouseMoved', 'pen', pen, pen.down ? 'left' : 'none');
                return `pen move to ${pen.x}, ${pen.y}`;
            }
            pen.down = !pen.down;
            mouseEvent(pen.down ? 'mousePressed' : 'mouseReleased', 'pen', pen, 'left');
            return `pen ${pen.down ? 'down' : 'up'} at ${pen.x}, ${pen.y}`;
        }],
        // A press of the mouse, a finger or the pen on one of the letters.
        [4, () => steps[random.pick([1, 3, 4])][1](true)],
        [12, () => key(random.pick(FigureKeys), random.next() < 0.3 ? Shift : 0)],
        // Space and Enter press the focused button; in the dialog they would
        // save, which is no part of the storm.
        [6, () => (dialog ? null : key(random.pick(['Tab', 'Tab', 'Tab', 'Space', 'Enter']), random.next() < 0.3 ? Shift : 0))],
        [5, () => (dialog || mouse.buttons !== 0 ? null : click(random.pick(Buttons)))],
        // The figure takes the keyboard from Tab alone, after the last box.
        [3, () => (dialog || mouse.buttons !== 0 ? null : `${click('Check4')}, ${key('Tab')}`)],
        [1.2, () => {
            const r = random.next();
            [view.width, view.height] = r < 0.1 ? [0, 0] : r < 0.2 ? [1, 1] : r < 0.3 ? [random.int(0, 3), random.int(0, 3)]
                : r < 0.4 ? [900, 541] : r < 0.45 ? [largest.width, largest.height]
                    : [random.int(20, largest.width), random.int(20, largest.height)];
            resizeFrame();
            return `resize to ${view.width} x ${view.height}`;
        }],
        // The page zoomed, as a pupil does with Ctrl and + or -: a new
        // ratio, and the frame as many device pixels as before. (DevTools
        // tells the page of a ratio of its own making at the next resize.)
        [0.6, () => {
            const ratio = random.pick([0.75, 1, 1.25, 1.5, largest.ratio]);
            const scale = (pixels, most) => Math.min(most, Math.round((pixels * view.ratio) / ratio));
            [view.width, view.height, view.ratio] = [scale(view.width, largest.width), scale(view.height, largest.height), ratio];
            send('Emulation.setDeviceMetricsOverride', { width: largest.width, height: largest.height,
                                                         deviceScaleFactor: ratio, mobile: false });
            resizeFrame();
            return `zoom to a pixel ratio of ${ratio}, ${view.width} x ${view.height}`;
        }],
        [0.4, () => {
            dialog = true;
            return key('s', Ctrl);
        }],
        [1, () => key('Escape')],
    ];
    const total = steps.reduce((sum, [weight]) => sum + weight, 0);

    return {
        sent: () => sent,
        refused: () => refused,
        // Waits until the browser has taken every event sent.
        async flush() {
            const all = pending.splice(0);
            await Promise.all(all);
        },
        // What the page shows now: its letters' boxes (those with a size),
        // its buttons' middles, and whether the save dialog is open.
        see(dump, places, dialogOpen) {
            labels = Object.entries(dump).filter(([name, f]) => name.startsWith('Label') && f.Visible === '1')
                .map(([, f]) => ({ x: Math.ceil(number(f.Left)), y: Math.ceil(number(f.Top)),
                                   w: Math.floor(number(f.Width)) - 1, h: Math.floor(number(f.Height)) - 1 }))
                .filter((box) => box.w > 0 && box.h > 0);
            buttons = places;
            dialog = dialogOpen;
        },
        // One step of the storm, sent: what it was.
        step() {
            for (;;) {
                let r = random.next() * total;
                const [, run] = steps.find(([weight]) => (r -= weight) < 0) ?? steps[0];
                const said = run();
                if (said)
                    return said;
            }
        },
        // Lets go of everything and closes the dialog, so that the page
        // ends with no drag.
        end() {
            for (const [name, bit] of MouseButtons) {
                if (mouse.buttons & bit) {
                    mouse.buttons &= ~bit;
                    mouseEvent('mouseReleased', 'mouse', mouse, name);
                }
            }
            if (pen.down) {
                pen.down = false;
                mouseEvent('mouseReleased', 'pen', pen, 'left');
            }
            if (fingers.size > 0) {
                fingers.clear();
                touch('touchEnd');
            }
            key('Escape');
        },
    };
}
