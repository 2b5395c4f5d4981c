// What the C++ front end asks of the browser: text, measured and drawn by
// the page's canvas in the embedded font (src/web/page/text.js).
mergeInto(LibraryManager.library, {
    altitude_measure_text: function (text, length, pixels, size) {
        var measured = Module['host']['measureText'](UTF8ToString(text, length), pixels);
        HEAPF32[size >> 2] = measured[0];
        HEAPF32[(size >> 2) + 1] = measured[1];
    },
    altitude_text_ascent: function (pixels) {
        return Module['host']['textAscent'](pixels);
    },
    altitude_draw_text: function (text, length, pixels, ratio, width, height, coverage) {
        Module['host']['drawText'](UTF8ToString(text, length), pixels, ratio, width, height,
                                   HEAPU8.subarray(coverage, coverage + width * height));
    },
});
