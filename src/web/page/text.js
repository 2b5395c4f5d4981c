// Captions in the embedded Gothic, measured and drawn with a canvas for the
// C++ front end. Sizes are measured as the desktop's toolkit measures them:
// each character's advance, and the font's ascent and descent from its
// Windows metrics (AltitudeFontMetrics), cut to 1/64 of a pixel, then added,
// in pixels of the client area. The C++ side rounds them up to whole pixels,
// so a label has the desktop's size.
const FontFamily = 'AltitudeGothic';

function makeText() {
    const canvas = document.createElement('canvas');
    const context = canvas.getContext('2d', { willReadFrequently: true });
    // Setting a canvas's font parses it anew, and start-up measures every
    // caption character by character: each size is set once, each
    // character's advance at a size measured once.
    let fontPixels = 0;
    const advances = new Map();

    const sixtyFourths = (value) => Math.floor(value * 64) / 64;
    const ascent = (pixels) => (AltitudeFontMetrics.ascent / AltitudeFontMetrics.unitsPerEm) * pixels;
    const descent = (pixels) => (AltitudeFontMetrics.descent / AltitudeFontMetrics.unitsPerEm) * pixels;

    function setFont(pixels) {
        if (pixels === fontPixels)
            return;
        context.font = `${pixels}px ${FontFamily}`;
        context.textBaseline = 'alphabetic';
        fontPixels = pixels;
    }

    function advance(character, pixels) {
        const key = `${pixels} ${character}`;
        let width = advances.get(key);
        if (width === undefined) {
            setFont(pixels);
            width = sixtyFourths(context.measureText(character).width);
            advances.set(key, width);
        }
        return width;
    }

    return {
        measureText(text, pixels) {
            let width = 0;
            for (const character of text)
                width += advance(character, pixels);
            return [width, sixtyFourths(ascent(pixels)) + sixtyFourths(descent(pixels))];
        },

        // Pixels from the top of a label's box down to the baseline.
        textAscent(pixels) {
            return sixtyFourths(ascent(pixels));
        },

        // The caption's coverage at `ratio` device pixels to the pixel, with
        // the label box's top-left corner at the origin, into `out`.
        drawText(text, pixels, ratio, width, height, out) {
            if (canvas.width !== width || canvas.height !== height) {
                canvas.width = width; // which also resets the context
                canvas.height = height;
                fontPixels = 0;
            } else {
                context.setTransform(1, 0, 0, 1, 0, 0);
                context.clearRect(0, 0, width, height);
            }
            context.setTransform(ratio, 0, 0, ratio, 0, 0);
            setFont(pixels);
            context.fillStyle = '#000';
            context.fillText(text, 0, ascent(pixels));
            const rgba = context.getImageData(0, 0, width, height).data;
            for (let i = 0; i < out.length; ++i)
                out[i] = rgba[i * 4 + 3];
        },
    };
}
