// The lesson's step control, 「◀」 the step 「▶」 「✕」, as HTML buttons over
// the figure where the C++ window puts them, at the head of the lesson's
// panel: a finger, a pen, a click, Tab and a screen reader reach them, and
// a press on them never turns A or draws. Hidden while the lesson is off.
function makeLessonSteps(layer, core, figure) {
    const parts = [];
    const actions = [0, null, 1, 2]; // back, the step as text, on, the end
    for (const action of actions) {
        let part;
        if (action === null) {
            part = document.createElement('span');
            part.className = 'control step';
        } else {
            part = document.createElement('button');
            part.type = 'button';
            part.className = 'control command';
            part.addEventListener('click', () => {
                core.lessonStepClick(action);
                figure.handled();
            });
        }
        part.hidden = true;
        parts.push(part);
    }
    layer.append(...parts);

    function place(part, button) {
        part.textContent = button.caption;
        if (button.name)
            part.setAttribute('aria-label', button.name);
        part.style.left = `${button.left}px`;
        part.style.top = `${button.top}px`;
        part.style.width = `${button.width}px`;
        part.style.height = `${button.height}px`;
        part.style.fontSize = `${button.fontPixels}px`;
        part.style.backgroundColor = button.back;
        part.hidden = false;
    }

    function follow() {
        const steps = core.changedLessonSteps();
        if (steps === undefined)
            return;
        if (steps === null) {
            // The focus leaves with the control, to the figure it served.
            if (parts.includes(document.activeElement))
                document.getElementById('figure').focus({ preventScroll: true });
            for (const part of parts)
                part.hidden = true;
            return;
        }
        steps.forEach((button, i) => place(parts[i], button));
    }
    figure.onHandled(follow);
    follow();
    return parts;
}
