// The window as it looks, as one image in device pixels: the frame the C++
// window painted, with the buttons drawn over it where the page shows them.
function windowImage(canvas, controls) {
    const ratio = canvas.width / Math.max(1, canvas.clientWidth || canvas.width);
    const image = document.createElement('canvas');
    image.width = canvas.width;
    image.height = canvas.height;
    const context = image.getContext('2d');
    context.drawImage(canvas, 0, 0);
    context.scale(ratio, ratio);

    for (const { button, input } of Object.values(controls)) {
        const { left, top, width, height } = button;
        context.fillStyle = button.back;
        context.fillRect(left, top, width, height);
        context.font = `${button.fontPixels}px ${FontFamily}`;
        context.fillStyle = button.fore || '#000';
        context.strokeStyle = '#555';
        context.lineWidth = 1;
        context.textBaseline = 'middle';
        const middle = top + height / 2;
        if (button.kind === 'command') {
            context.strokeRect(left + 0.5, top + 0.5, width - 1, height - 1);
            context.textAlign = 'center';
            context.fillText(button.caption, left + width / 2, middle);
            context.textAlign = 'start';
            continue;
        }
        const box = 13;
        const boxLeft = left + 2;
        const boxTop = middle - box / 2;
        context.fillStyle = '#fff';
        if (button.kind === 'option') {
            context.beginPath();
            context.arc(boxLeft + box / 2, middle, box / 2, 0, 2 * Math.PI);
            context.fill();
            context.stroke();
            if (input.checked) {
                context.fillStyle = '#000';
                context.beginPath();
                context.arc(boxLeft + box / 2, middle, box / 5, 0, 2 * Math.PI);
                context.fill();
            }
        } else {
            context.fillRect(boxLeft, boxTop, box, box);
            context.strokeRect(boxLeft + 0.5, boxTop + 0.5, box - 1, box - 1);
            if (input.checked) {
                context.strokeStyle = '#000';
                context.lineWidth = 2;
                context.beginPath();
                context.moveTo(boxLeft + 3, middle);
                context.lineTo(boxLeft + 5.5, middle + 3);
                context.lineTo(boxLeft + 10, middle - 3.5);
                context.stroke();
            }
        }
        context.fillStyle = button.fore || '#000';
        context.fillText(button.caption, boxLeft + box + 4, middle);
    }
    return image;
}
