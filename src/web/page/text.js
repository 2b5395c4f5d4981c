// Captions in the embedded Gothic, measured and drawn with a canvas for the
// C++ front end. Sizes are those of the desktop: the advance width and the
// font's ascent plus descent, in pixels of the client area.
const FontFamily = 'AltitudeGothic';

function makeText() {
    const canvas = document.createElement('canvas');
    const context = canvas.getContext('2d', { willReadFrequently: true });

    function setFont(pixels) {
        context.font = `${pixels}px ${FontFamily}`;
        context.textBaseline = 'alphabetic';
    }

    return {
        measureText(text, pixels) {
            setFont(pixels);
            const metrics = context.measureText(text);
            return [metrics.width, metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent];
        },

        // The caption's coverage at `ratio` device pixels to the pixel, with
        // the label box's top-left corner at the origin, into `out`.
        drawText(text, pixels, ratio, width, height, out) {
            canvas.width = width;
            canvas.height = height;
            context.setTransform(ratio, 0, 0, ratio, 0, 0);
            setFont(pixels);
            const ascent = context.measureText(text).fontBoundingBoxAscent;
            context.fillStyle = '#000';
            context.fillText(text, 0, ascent);
            const rgba = context.getImageData(0, 0, width, height).data;
            for (let i = 0; i < out.length; ++i)
                out[i] = rgba[i * 4 + 3];
        },
    };
}
