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

    return {
        start: (width, height, ratio) => module._altitude_start(width, height, ratio),
        resize: (width, height, ratio) => module._altitude_resize(width, height, ratio),
        pointerDown: (button, shift, x, y, buttons) => module._altitude_pointer_down(button, shift, x, y, buttons),
        pointerMove: (buttons, shift, x, y) => module._altitude_pointer_move(buttons, shift, x, y),
        pointerUp: (button, shift, x, y, buttons) => module._altitude_pointer_up(button, shift, x, y, buttons),
        checkClick: (number, ticked) => module._altitude_check_click(number, ticked ? 1 : 0),
        optionClick: (index) => module._altitude_option_click(index),
        commandClick: () => module._altitude_command_click(),

        // Paints what changed; the rectangle painted in device pixels and the
        // frame's pixels (a view of the module's memory, valid until the next call).
        paint() {
            const at = module._altitude_paint() >> 2;
            const rect = module.HEAP32.subarray(at, at + 4);
            const width = module._altitude_frame_width();
            const height = module._altitude_frame_height();
            const pixels = new Uint8ClampedArray(module.HEAPU8.buffer, module._altitude_frame(), width * height * 4);
            return { left: rect[0], top: rect[1], width: rect[2], height: rect[3], frame: { width, height, pixels } };
        },

        description: () => JSON.parse(text(module._altitude_page_description())),
        lengths: () => text(module._altitude_lengths()),
        dump: () => text(module._altitude_dump()),
        memoryBytes: () => module.HEAPU8.buffer.byteLength,
    };
}
