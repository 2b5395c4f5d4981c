// The window's buttons as HTML form controls laid over the figure, placed,
// coloured and lettered as the C++ description says, so that keyboards and
// screen readers work as in any page. Created back to front, which is also
// the order of their tab indexes.
function makeControls(layer, description, core, figure) {
    const elements = {};

    // The option buttons' group, named for assistive technology, covers the
    // teal panel behind them as on the desktop. It takes no press itself: a
    // press on the panel beside the buttons goes to the figure and drags.
    const panel = description.optionGroup;
    const group = document.createElement('div');
    group.className = 'group';
    group.setAttribute('role', 'radiogroup');
    group.setAttribute('aria-label', panel.name);
    for (const side of ['left', 'top', 'width', 'height'])
        group.style[side] = `${panel[side]}px`;

    // In pixels of the client area, or of `origin`'s corner for a button in the group.
    function place(element, button, origin = { left: 0, top: 0 }) {
        element.style.left = `${button.left - origin.left}px`;
        element.style.top = `${button.top - origin.top}px`;
        element.style.width = `${button.width}px`;
        element.style.height = `${button.height}px`;
        element.style.fontSize = `${button.fontPixels}px`;
        element.style.backgroundColor = button.back;
        if (button.fore)
            element.style.color = button.fore;
    }

    function boxWithCaption(type, button, name) {
        const label = document.createElement('label');
        label.className = `control ${type}`;
        const input = document.createElement('input');
        input.type = type;
        if (name)
            input.name = name;
        input.checked = button.value !== 0;
        const caption = document.createElement('span');
        caption.textContent = button.caption;
        label.append(input, caption);
        return { outer: label, input };
    }

    for (const button of description.buttons) {
        let made;
        if (button.kind === 'command') {
            const element = document.createElement('button');
            element.type = 'button';
            element.className = 'control command';
            element.textContent = button.caption;
            place(element, button);
            element.addEventListener('click', () => {
                core.commandClick();
                figure.handled();
            });
            made = { outer: element, input: element };
        } else if (button.kind === 'option') {
            made = boxWithCaption('radio', button, 'Option1');
            place(made.outer, button, panel);
            const index = Number(button.name.slice(-1));
            // A click on the selected one too: either mode clears the memo.
            made.input.addEventListener('click', () => {
                core.optionClick(index);
                figure.handled();
            });
        } else {
            made = boxWithCaption('checkbox', button);
            place(made.outer, button);
            const number = Number(button.name.slice(-1));
            const input = made.input;
            input.addEventListener('click', () => {
                core.checkClick(number, input.checked);
                figure.handled();
            });
        }
        made.outer.dataset.name = button.name;
        made.input.id = button.name;
        elements[button.name] = { ...made, button };
        if (button.kind === 'option') {
            group.append(made.outer);
            if (!group.isConnected)
                layer.append(group);
        } else {
            layer.append(made.outer);
        }
    }
    return elements;
}

// The boxes and options show the values the C++ window holds, after
// something other than a click has set them (the page's address).
function showButtonValues(elements, description) {
    for (const button of description.buttons) {
        if (button.kind !== 'command')
            elements[button.name].input.checked = button.value !== 0;
    }
}
