// The C++ window, compiled to WebAssembly, and the few ways to talk to it.
function wrapCore(module) {
    const decoder = new TextDecoder();

    function text(pointer) {
        const heap = module.HEAPU8;
        let end = pointer;
        while (heap[end] !== 0)
            ++end;
        return decoder.decode(heap.subarray(pointer, end));
    }

    // A text for the C++ side, written into the room it makes for it.
    function input(value) {
        const bytes = new TextEncoder().encode(value);
        const at = module._altitude_input(bytes.length);
        module.HEAPU8.set(bytes, at);
    }

    // A picture the C++ side painted: a view of its pixels in the module's
    // memory, valid until the next call; null when there is none.
    function image(at) {
        const [pixels, width, height] = module.HEAP32.subarray(at >> 2, (at >> 2) + 3);
        if (pixels === 0)
            return null;
        return { width, height, pixels: new Uint8ClampedArray(module.HEAPU8.buffer, pixels, width * height * 4) };
    }

    return {
        // The client area in pixels, the ratio, the canvas's device pixels
        // and the part the figure takes (0: all of it).
        start: (width, height, ratio, [deviceWidth, deviceHeight], figureHeight) =>
            module._altitude_start(width, height, ratio, deviceWidth, deviceHeight, figureHeight),
        windowHeight: (width, height) => module._altitude_window_height(width, height),
        resize: (width, height, ratio, [deviceWidth, deviceHeight], figureHeight) =>
            module._altitude_resize(width, height, ratio, deviceWidth, deviceHeight, figureHeight),
        pointerDown: (button, shift, x, y, buttons) => module._altitude_pointer_down(button, shift, x, y, buttons),
        pointerMove: (buttons, shift, x, y) => module._altitude_pointer_move(buttons, shift, x, y),
        pointerUp: (button, shift, x, y, buttons) => module._altitude_pointer_up(button, shift, x, y, buttons),
        checkClick: (number, ticked) => module._altitude_check_click(number, ticked ? 1 : 0),
        optionClick: (index) => module._altitude_option_click(index),
        commandClick: () => module._altitude_command_click(),
        endDrag: () => module._altitude_end_drag(),
        dragging: () => module._altitude_dragging() !== 0,
        keyDown: (keyCode, shift) => module._altitude_key_down(keyCode, shift) !== 0,
        setLesson: (step) => module._altitude_set_lesson(step),
        lesson: () => module._altitude_lesson(),
        // The state the page's address keeps, and the pose it asks for:
        // `angle` null for none.
        pose() {
            const at = module._altitude_pose() >> 3;
            const [lesson, angle, lengths, grid] = module.HEAPF64.subarray(at, at + 4);
            return { lesson, angle, lengths: lengths !== 0, grid: grid !== 0 };
        },
        applyPose: (lesson, angle, lengths, grid) => module._altitude_apply_pose(lesson, angle === null ? 0 : 1,
                                                                                 angle ?? 0, lengths ? 1 : 0, grid ? 1 : 0),
        // The figure's menu: its entries, a command chosen (true when the
        // C++ window ran it), and whether a release of `button` or a long
        // press opens it now.
        menu: () => JSON.parse(text(module._altitude_menu())),
        menuClick: (command) => module._altitude_menu_click(command) !== 0,
        clickOpensMenu: (button) => module._altitude_click_opens_menu(button) !== 0,
        longPressOpensMenu: () => module._altitude_long_press_opens_menu() !== 0,
        longPressMilliseconds: () => module._altitude_long_press_milliseconds(),
        keyHelpShown: () => module._altitude_key_help_shown() !== 0,
        closeKeyHelp: () => module._altitude_close_key_help(),
        focusFrame: (shown, [red, green, blue]) => module._altitude_focus_frame(shown ? 1 : 0, red, green, blue),

        // Paints what changed. The frame's pixels (a view of the module's
        // memory) and the rectangles painted, as left, top, width, height
        // in device pixels, valid until the next call.
        paint() {
            const at = module._altitude_paint() >> 2;
            const heap = module.HEAP32;
            const [pixels, width, height, count] = heap.subarray(at, at + 4);
            return {
                frame: { pixels, width, height, buffer: module.HEAPU8.buffer },
                areas: heap.subarray(at + 4, at + 4 + 4 * count),
            };
        },

        description: () => JSON.parse(text(module._altitude_page_description())),
        lengths: () => text(module._altitude_lengths()),
        changedLengths() {
            const at = module._altitude_changed_lengths();
            return at === 0 ? null : text(at);
        },
        dump: () => text(module._altitude_dump()),
        changedLessonSteps() {
            const at = module._altitude_changed_lesson_steps();
            return at === 0 ? undefined : JSON.parse(text(at));
        },
        lessonStepClick: (which) => module._altitude_lesson_step_click(which),

        // Worksheets: the surface's pixels when anything is drawn on it, the
        // figure as SVG with the surface's picture as a data: URI (or none),
        // and the figure as a picture at twice the device pixels (its
        // height, then `rows` of it from `top`, held by the C++ side until
        // the next band or worksheetDone).
        surface: () => image(module._altitude_surface()),
        worksheetSvg(surfaceUri) {
            input(surfaceUri);
            return text(module._altitude_worksheet_svg());
        },
        worksheetPicture: (top, rows) => image(module._altitude_worksheet_picture(top, rows)),
        worksheetSize() {
            const at = module._altitude_worksheet_size() >> 2;
            return { width: module.HEAP32[at], height: module.HEAP32[at + 1] };
        },
        worksheetDone: () => module._altitude_worksheet_done(),
        // A handout for the class at the figure's A, or its answer sheet:
        // the A4 sheet as SVG, or as a picture band by band as above.
        handoutSvg: (answers) => text(module._altitude_handout_svg(answers ? 1 : 0)),
        handoutPicture: (answers, top, rows) => image(module._altitude_handout_picture(answers ? 1 : 0, top, rows)),
        handoutSize() {
            const at = module._altitude_handout_size() >> 2;
            return { width: module.HEAP32[at], height: module.HEAP32[at + 1] };
        },
        memoryBytes: () => module.HEAPU8.buffer.byteLength,
        heapInUse: () => module._altitude_heap_in_use(),
    };
}
