// The figure's menu on the page, for a class without a keyboard: a right
// click that moved nothing, a finger or pen held still on the figure, or
// the keyboard's menu key (or Shift+F10) on the focused figure opens it in
// place of the browser's own. Its entries come from the C++ window; the
// lesson's and the list's run there, saving and printing open the page's
// own dialogs. A menu as assistive technology knows it: the arrows, Home
// and End move through it, Enter or Space chooses, Esc and Tab close it,
// and the focus goes back to the figure.
function makeMenu(core, figure, element, actions) {
    const menu = document.createElement('div');
    menu.id = 'menu';
    menu.setAttribute('role', 'menu');
    menu.setAttribute('aria-label', '図のメニュー');
    menu.hidden = true;
    document.body.append(menu);
    let byKeyboard = false;

    const items = () => [...menu.querySelectorAll('[role="menuitem"]:not([aria-disabled="true"])')];

    function close() {
        if (menu.hidden)
            return;
        const hadFocus = menu.contains(document.activeElement);
        menu.hidden = true;
        menu.replaceChildren();
        if (hadFocus)
            figure.focus(byKeyboard);
    }

    function choose(entry) {
        close();
        if (entry.name === 'save') {
            actions.save();
        } else if (entry.name === 'print') {
            actions.print();
        } else {
            core.menuClick(entry.command);
            figure.handled();
        }
    }

    // At `x`, `y` of the figure, kept inside the viewport.
    function open(x, y, keyboard = false) {
        close();
        byKeyboard = keyboard;
        for (const entry of core.menu()) {
            const item = document.createElement('button');
            item.type = 'button';
            item.tabIndex = -1;
            item.setAttribute('role', 'menuitem');
            item.textContent = entry.caption;
            item.dataset.name = entry.name;
            if (!entry.enabled)
                item.setAttribute('aria-disabled', 'true');
            else
                item.addEventListener('click', () => choose(entry));
            menu.append(item);
        }
        menu.hidden = false;
        const origin = element.getBoundingClientRect();
        const viewport = document.documentElement;
        const left = Math.min(origin.left + x, viewport.clientWidth - menu.offsetWidth);
        const top = Math.min(origin.top + y, viewport.clientHeight - menu.offsetHeight);
        menu.style.left = `${Math.max(0, left)}px`;
        menu.style.top = `${Math.max(0, top)}px`;
        items()[0]?.focus({ preventScroll: true });
    }

    menu.addEventListener('keydown', (e) => {
        const all = items();
        const at = all.indexOf(document.activeElement);
        const moves = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: all.length - 1 };
        if (e.key in moves) {
            all[(moves[e.key] + all.length) % all.length]?.focus({ preventScroll: true });
            e.preventDefault();
        } else if (e.key === 'Escape' || e.key === 'Tab') {
            close();
            e.preventDefault();
        }
        // Nothing here is a key of the window's.
        e.stopPropagation();
    });
    // No browser menu over the menu either.
    menu.addEventListener('contextmenu', (e) => e.preventDefault());
    // A press anywhere else closes it, and goes on to do what it does there.
    document.addEventListener('pointerdown', (e) => {
        if (!menu.contains(e.target))
            close();
    }, true);
    window.addEventListener('blur', close);
    window.addEventListener('resize', close);

    return { open, close, isOpen: () => !menu.hidden };
}
