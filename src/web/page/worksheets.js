// Worksheets: the figure itself, without the buttons and the teal panel,
// as the desktop writes it, or a handout for the class at the figure's A
// and its answer sheet. Ctrl+S opens a small dialog in which the teacher
// picks which, and an SVG drawing or a PNG picture, which the browser then
// downloads; the browser's own printing (Ctrl+P) prints the figure's SVG
// drawing, fitted to the page.
const WorksheetName = '三角形の垂線'; // the desktop's file name, less the extension
const SheetNames = { figure: WorksheetName, handout: `${WorksheetName}_プリント`, answers: `${WorksheetName}_プリントの解答` };

function makeWorksheets(core, figure, dialog, printArea) {
    const message = dialog.querySelector('.message');
    const tooLarge = message.dataset.tooLarge;
    let url = null;

    // The browser's download of `blob` as `name`; the last one's address is
    // given back when the next is made.
    function download(blob, name) {
        if (url)
            URL.revokeObjectURL(url);
        url = URL.createObjectURL(blob);
        const link = document.createElement('a');
        link.href = url;
        link.download = name;
        link.click();
    }

    // The drawing surface as a PNG data: URI, or nothing when it is blank.
    function surfaceUri() {
        const surface = core.surface();
        if (!surface)
            return '';
        const canvas = document.createElement('canvas');
        canvas.width = surface.width;
        canvas.height = surface.height;
        canvas.getContext('2d').putImageData(new ImageData(surface.pixels, surface.width, surface.height), 0, 0);
        return canvas.toDataURL('image/png');
    }

    const svg = () => core.worksheetSvg(surfaceUri());

    // The figure, or a sheet for the class: the C++ side draws both.
    const sheets = {
        figure: { svg, size: () => core.worksheetSize(), band: (top, rows) => core.worksheetPicture(top, rows) },
        handout: {
            svg: () => core.handoutSvg(false),
            size: () => core.handoutSize(),
            band: (top, rows) => core.handoutPicture(false, top, rows),
        },
        answers: {
            svg: () => core.handoutSvg(true),
            size: () => core.handoutSize(),
            band: (top, rows) => core.handoutPicture(true, top, rows),
        },
    };

    function saveSvg(sheet) {
        download(new Blob([sheets[sheet].svg()], { type: 'image/svg+xml' }), `${SheetNames[sheet]}.svg`);
    }

    // At twice the device pixels, on white, painted a band of about a
    // million pixels at a time, each put into the canvas before the next:
    // the module's memory, which never shrinks, need hold no more. A
    // picture the page cannot hold is not made; the dialog says so and
    // offers the drawing instead.
    function savePng(sheet) {
        const { width, height } = sheets[sheet].size();
        let canvas = null;
        if (width > 0 && height > 0) {
            const rows = Math.max(1, Math.floor((1 << 20) / width));
            canvas = document.createElement('canvas');
            canvas.width = width;
            canvas.height = height;
            const context = canvas.getContext('2d');
            let painted = context !== null;
            for (let top = 0; painted && top < height; top += rows) {
                const band = sheets[sheet].band(top, rows);
                painted = band !== null;
                if (painted)
                    context.putImageData(new ImageData(band.pixels, band.width, band.height), 0, top);
            }
            if (!painted)
                canvas = null;
        }
        core.worksheetDone();
        if (!canvas) {
            open(tooLarge);
            return;
        }
        canvas.toBlob((blob) => (blob ? download(blob, `${SheetNames[sheet]}.png`) : open(tooLarge)), 'image/png');
    }

    // The dialog takes the pointer, so a drag cannot go on beneath it.
    function open(text = '') {
        if (dialog.open)
            return;
        core.endDrag();
        figure.handled();
        message.textContent = text;
        dialog.returnValue = '';
        dialog.showModal();
    }

    dialog.addEventListener('close', () => {
        const sheet = dialog.querySelector('input[name=sheet]:checked')?.value ?? 'figure';
        if (dialog.returnValue === 'svg')
            saveSvg(sheet);
        else if (dialog.returnValue === 'png')
            savePng(sheet);
    });

    // The browser prints the drawing in place of the window, as large as
    // the page allows, proportions kept, centred (the style's print rules).
    window.addEventListener('beforeprint', () => {
        core.endDrag();
        figure.handled();
        const drawing = new DOMParser().parseFromString(svg(), 'image/svg+xml').documentElement;
        printArea.replaceChildren(document.importNode(drawing, true));
    });
    window.addEventListener('afterprint', () => printArea.replaceChildren());

    return { open, svg };
}
