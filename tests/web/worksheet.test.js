// Worksheets from the page: Ctrl+S and a choice in the dialog download the
// figure as the desktop's SVG drawing or as a PNG picture at twice the
// device pixels; printing gives the drawing alone, fitted and centred.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, describe, test } from 'node:test';

import { mouseDrag, poll, pressWith, quietPageEachTest, waitFor } from './browser.js';

let page;
const folder = mkdtempSync(join(tmpdir(), 'altitude-worksheets-'));
quietPageEachTest((opened) => { page = opened; });
after(() => rmSync(folder, { recursive: true, force: true }));

const run = (command, args) => execFileSync(command, args, { encoding: 'utf8' });

// Ctrl+S, then the dialog's choice of `sheet` (the figure, a handout or
// its answers) and its button for `kind` ('svg' or 'png'): the path of the
// file the browser downloaded, into a folder of its own.
const sheetNames = { figure: '三角形の垂線', handout: '三角形の垂線_プリント', answers: '三角形の垂線_プリントの解答' };
async function save(kind, sheet = 'figure') {
    const into = mkdtempSync(join(folder, `${kind}-`));
    const session = await page.createCDPSession();
    await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: into });
    await pressWith(page, 'Control', 'KeyS');
    await waitFor(page, 'the save dialog', () => document.getElementById('save').open);
    await page.click(`#save input[name=sheet][value=${sheet}]`);
    await page.click(`#save button[value=${kind}]`);
    const name = await poll(`a downloaded .${kind}`, () =>
        readdirSync(into).find((file) => file.endsWith(`.${kind}`)));
    await session.detach();
    assert.equal(name, `${sheetNames[sheet]}.${kind}`);
    return join(into, name);
}

// The <line> elements' ends and the <text> elements' contents of an SVG.
function parseSvg(svg) {
    const lines = [...svg.matchAll(/<line x1="([^"]+)" y1="([^"]+)" x2="([^"]+)" y2="([^"]+)"/g)]
        .map((match) => match.slice(1).map(Number));
    const texts = [...svg.matchAll(/<text ([^>]*)>([^<]*)<\/text>/g)]
        .map(([, attributes, text]) => ({ text, x: Number(/ ?x="([^"]+)"/.exec(attributes)[1]) }));
    return { lines, texts };
}

// Where the ink of a picture lies within a box: 'WxH+X+Y' of the dark pixels.
function ink(png, [left, top, width, height]) {
    return run('convert', [png, '-crop', `${width}x${height}+${left}+${top}`, '+repage', '-colorspace', 'gray',
                           '-threshold', '50%', '-negate', '-trim', '-format', '%wx%h%X%Y', 'info:']).trim();
}

const near = (a, b) => Math.abs(a - b) < 0.01;

describe('Ctrl+S', () => {
    test('downloads the drawing: the worked example\'s lines, the read-outs shown, placed as the page draws them', async () => {
        for (const name of ['Check2', 'Check3', 'Check4'])
            await page.click(`#${name}`);
        const file = await save('svg');
        run('xmllint', ['--noout', file]);
        const svg = readFileSync(file, 'utf8');
        const { lines, texts } = parseSvg(svg);
        const has = (x1, y1, x2, y2) => lines.some(([a, b, c, d]) =>
            (near(a, x1) && near(b, y1) && near(c, x2) && near(d, y2))
            || (near(a, x2) && near(b, y2) && near(c, x1) && near(d, y1)));
        assert.ok(has(179.5, 432.8, 720.5, 432.8), 'BC');
        assert.ok(has(179.5, 432.8, 524.73, 172.83), 'AB');
        assert.ok(has(524.73, 172.83, 720.5, 432.8), 'AC');
        assert.ok(has(524.73, 172.83, 524.73, 432.8), 'AD');
        assert.deepEqual(texts.map((t) => t.text).sort(),
                         [' 2.4cm', ' 3.2cm', ' 3cm', ' 4cm', 'A', 'B', 'C', 'D', '５cm']);
        // The figure only: no teal panel, and no picture of a blank memo.
        assert.ok(!svg.includes('#00c0c0'), 'no teal panel');
        assert.ok(!svg.includes('<image'), 'no memo picture');

        // Drawn by another renderer in the IPAPGothic the drawing names, the
        // letters and read-outs have their ink where the page has it.
        const drawn = join(folder, 'drawn.png');
        const shown = join(folder, 'shown.png');
        run('rsvg-convert', ['--output', drawn, file]);
        await page.screenshot({ path: shown });
        for (const { text, box } of [{ text: 'A', box: [505, 138, 40, 34] }, { text: ' 2.4cm', box: [525, 312, 100, 34] },
                                      { text: '５cm', box: [415, 452, 70, 36] }]) {
            const [, width, height, x, y] = /(\d+)x(\d+)\+(\d+)\+(\d+)/.exec(ink(drawn, box)).map(Number);
            const [, pageWidth, pageHeight, pageX, pageY] = /(\d+)x(\d+)\+(\d+)\+(\d+)/.exec(ink(shown, box)).map(Number);
            // Antialiasing may shift an edge by a pixel.
            for (const [a, b, what] of [[x, pageX, 'left'], [y, pageY, 'top'], [width, pageWidth, 'width'],
                                        [height, pageHeight, 'height']])
                assert.ok(Math.abs(a - b) <= 1, `"${text}": ${what} ${a} in the drawing, ${b} on the page`);
        }
    });

    test('puts the memo into the drawing as a picture, only while something is drawn', async () => {
        await page.click('#Option1_1');
        await mouseDrag(page, 600, 100, 40);
        const withMemo = readFileSync(await save('svg'), 'utf8');
        assert.match(withMemo, /<image [^>]*xlink:href="data:image\/png;base64,/);
        await page.click('#Option1_0');
        const cleared = readFileSync(await save('svg'), 'utf8');
        assert.ok(!cleared.includes('<image'));
    });

    test('downloads the picture at twice the device pixels, on white, without the buttons', async () => {
        const file = await save('png');
        const png = readFileSync(file);
        assert.equal(png.readUInt32BE(16), 1800);
        assert.equal(png.readUInt32BE(20), 1082);
        const colour = (x, y) => run('convert', [file, '-format', `%[fx:int(255*p{${x},${y}}.r)],%[fx:int(255*p{${x},${y}}.g)],%[fx:int(255*p{${x},${y}}.b)]`, 'info:']);
        assert.equal(colour(1049, 600), '0,0,0', 'the altitude at x = 2 x 524.73');
        assert.equal(colour(100, 56), '255,255,255', 'no reset button');
        assert.equal(colour(360, 72), '255,255,255', 'no teal panel');
    });
});

describe('the handout', () => {
    test('downloads the sheet for the figure\'s A: A4 in millimetres, a name line, the four relations, no answer', async () => {
        const file = await save('svg', 'handout');
        run('xmllint', ['--noout', file]);
        const svg = readFileSync(file, 'utf8');
        assert.match(svg, /<svg [^>]*width="210mm" height="297mm"/);
        const texts = parseSvg(svg).texts.map((t) => t.text);
        for (const text of ['名前', ' ＝ BD × BC', ' ＝ CD × CB', ' ＝ BD × DC', 'AB × AC ＝ BC × AD', 'CD ＝ BC − BD ＝ '])
            assert.ok(texts.includes(text), `${text} in ${texts.join('|')}`);
        // The only numbers are the figure's read-outs and the exponents.
        assert.deepEqual(texts.filter((t) => /\d/.test(t) && !/cm$/.test(t) && t !== '2' && !t.includes('2組')), []);
        const answers = parseSvg(readFileSync(await save('svg', 'answers'), 'utf8')).texts.map((t) => t.text);
        for (const number of ['37', '53', '16', '9', '1.8', '5.76', '12'])
            assert.ok(answers.includes(number), `${number} on the answer sheet`);
        const png = readFileSync(await save('png', 'handout'));
        assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [1654, 2339], 'A4 at 200 dots per inch');
    });
});

describe('printing', () => {
    test('gives one page with the drawing alone, as large as fits, centred', async () => {
        const pdf = join(folder, 'printed.pdf');
        writeFileSync(pdf, await page.pdf({ format: 'A4' }));
        assert.match(run('pdfinfo', [pdf]), /^Pages:\s+1$/m);
        run('pdftoppm', ['-r', '40', '-png', '-singlefile', pdf, join(folder, 'printed')]);
        const printed = join(folder, 'printed.png');
        const [pageWidth, pageHeight] = run('convert', [printed, '-format', '%w %h', 'info:']).split(' ').map(Number);
        const [width, height, x, y] = run('convert', [printed, '-trim', '-format', '%w %h %X %Y', 'info:'])
            .split(' ').map(Number);
        // At 40 dots per inch a pixel is 0.6 mm; the edges may round either way.
        assert.ok(Math.abs(x - (pageWidth - x - width)) <= 2, `centred across: ${x} + ${width} of ${pageWidth}`);
        assert.ok(Math.abs(y - (pageHeight - y - height)) <= 2, `centred down: ${y} + ${height} of ${pageHeight}`);
        assert.ok(Math.abs(width / height - 900 / 541) < 0.02, `proportions ${width} x ${height}`);
        assert.ok(width > pageWidth * 0.85, 'as wide as the page allows');
        // The window's own controls are not printed: no light yellow, no teal.
        const colours = run('convert', [printed, '-format', '%c', 'histogram:info:']);
        assert.ok(!/#FFFFC0|#00C0C0/i.test(colours), 'no button colours');
    });
});
