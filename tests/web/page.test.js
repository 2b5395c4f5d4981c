// The page as it opens from disk: the window's caption, the worked example's
// figure where the desktop has it, the read-outs, sharp lines at any pixel
// ratio, no network and a quiet console; where the browser lacks something,
// a start without it or a sentence that says so.
import assert from 'node:assert/strict';
import { basename, dirname, join, relative } from 'node:path';
import { after, before, describe, test } from 'node:test';

import { Colors, PagePath, PageUrl, SitePath, controls, launch, number, openPage, pixel, poll, serveFolder, waitFor,
    waitForPixel } from './browser.js';

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

describe('the page at the design size, 900 x 541', () => {
    let page;
    let record;
    before(async () => ({ page, record } = await openPage(browser)));

    test('has the window caption as its title', async () => {
        const title = await page.title();
        assert.equal(title.replace(/\u00a0/g, ' '), '三角形の直角の頂点から下ろした垂線   by q.Varlen');
    });

    test('draws BC, the altitude and both marks on the desktop pixels', async () => {
        const c = await controls(page);
        assert.equal(c.State.AngleA, '74');
        assert.ok(Math.abs(number(c.State.Ax) - 524.7301) < 1e-4);
        // BC, 3 pixels wide about y = 432.8: rows 431 to 433.
        for (const y of [431, 432, 433])
            assert.deepEqual(await pixel(page, 300, y), Colors.black, `BC at row ${y}`);
        // The altitude, 3 wide about x = 524.73: columns 523 to 525.
        for (const x of [523, 524, 525])
            assert.deepEqual(await pixel(page, x, 300), Colors.black, `AD at column ${x}`);
        assert.deepEqual(await pixel(page, 522, 300), Colors.white);
        assert.deepEqual(await pixel(page, 526, 300), Colors.white);
        // The mark at D, its corner at (506.697, 414.767), on B's side.
        assert.deepEqual(await pixel(page, 515, 414), Colors.blue);
        assert.deepEqual(await pixel(page, 506, 424), Colors.blue);
        // The mark at A, half way from P (510.325, 183.676) to Q (521.173, 198.081).
        assert.deepEqual(await pixel(page, 515, 190), Colors.blue);
        // Grid lines: Line5(1) fills row 54, Line6(1) column 395.
        assert.deepEqual(await pixel(page, 100, 54), Colors.grey);
        assert.deepEqual(await pixel(page, 100, 53), Colors.white);
        assert.deepEqual(await pixel(page, 395, 30), Colors.grey);
    });

    test('draws each letter in its box on whole pixels', async () => {
        const c = await controls(page);
        // (Left, Top) of A, B, C, D from the worked example.
        const expected = { 'Label1(0)': [515.730, 142.828], 'Label1(1)': [170.5, 435.8],
                           'Label1(2)': [711.5, 435.8], 'Label1(3)': [515.730, 435.8] };
        for (const [name, [left, top]] of Object.entries(expected)) {
            const label = c[name];
            assert.ok(Math.abs(number(label.Left) - left) < 1e-3, name);
            assert.ok(Math.abs(number(label.Top) - top) < 1e-3, name);
            const ink = await page.evaluate((left, top, width, height) => {
                const data = window.readFigure(left, top, width, height);
                let dark = 0;
                for (let i = 0; i < data.length; i += 4)
                    dark += data[i] < 100 && data[i + 1] < 100 && data[i + 2] < 100 ? 1 : 0;
                return dark;
            }, Math.round(left), Math.round(top), Math.ceil(number(label.Width)), Math.ceil(number(label.Height)));
            assert.ok(ink > 20, `${name} shows its letter`);
        }
    });

    test('shows the four lengths and BC at their places when the boxes are ticked', async () => {
        for (const name of ['Check2', 'Check3', 'Check4'])
            await page.click(`#${name}`);
        await waitFor(page, 'every read-out to show', () =>
            window.altitude.ready.then((api) => api.dump()).then((dump) =>
                (dump.match(/^Label[34]\(\d\) .* Visible=1$/gm) || []).length === 5));
        const c = await controls(page);
        const readouts = { 'Label3(0)': ['５cm', Colors.black], 'Label3(1)': [' 4cm', Colors.black],
                           'Label3(2)': [' 3cm', Colors.black], 'Label4(0)': [' 2.4cm', Colors.red],
                           'Label4(1)': [' 3.2cm', Colors.red] };
        const sizes = {};
        for (const [name, [caption, color]] of Object.entries(readouts)) {
            const label = c[name];
            assert.equal(label.Caption, `"${caption}"`, name);
            const box = [Math.round(number(label.Left)), Math.round(number(label.Top)),
                         number(label.Width), number(label.Height)];
            sizes[caption] = `${box[2]} x ${box[3]}`;
            await waitFor(page, `${name} to be painted`, (box, color) => {
                const data = window.readFigure(box[0], box[1], box[2], box[3]);
                let ink = 0;
                for (let i = 0; i < data.length; i += 4)
                    ink += Math.abs(data[i] - color[0]) + Math.abs(data[i + 1] - color[1]) + Math.abs(data[i + 2] - color[2]) < 60;
                return ink > 30;
            }, box, color);
        }
        // Where the read-outs stand follows from their sizes (the figure's
        // own tests check the rule); the BC read-out is centred under BC.
        assert.equal(number(c['Label3(0)'].Left), 450 - number(c['Label3(0)'].Width) / 2);
        sizes.A = `${number(c['Label1(0)'].Width)} x ${number(c['Label1(0)'].Height)}`;
        // The sizes the desktop measures with its toolkit in IPAPGothic at 27 pixels.
        assert.deepEqual(sizes, { '５cm': '56 x 30', ' 4cm': '63 x 30', ' 3cm': '63 x 30', ' 2.4cm': '87 x 30',
                                  ' 3.2cm': '87 x 30', A: '18 x 30' });
    });

    test('makes no network request and prints nothing on the console', () => {
        assert.deepEqual(record.requests.filter((url) => url !== PageUrl), []);
        assert.deepEqual(record.console, []);
        assert.deepEqual(record.errors, []);
    });
});

describe('a start in a browser that lacks something', () => {
    // What it lacks, taken away before the page's script runs, and what the
    // page then says in place of the figure (nothing: it runs).
    const starts = [
        ['DecompressionStream', () => { delete window.DecompressionStream; }, null],
        ['compilation', () => {
            WebAssembly.instantiateStreaming = WebAssembly.instantiate = () => Promise.reject(new WebAssembly.CompileError(
                "Refused to compile WebAssembly module because 'wasm-unsafe-eval' is not allowed by Content Security Policy"));
        }, 'このページを置いたサイトの設定で WebAssembly の実行が許可されていないため、図を表示できません。'],
        ['its font', () => { FontFace.prototype.load = () => Promise.reject(new DOMException('no', 'NetworkError')); },
         'このブラウザーはページに埋め込まれたフォントを読み込めないため、図を表示できません。'],
    ];
    for (const [lacks, prepare, sentence] of starts) {
        test(`without ${lacks} ${sentence ? 'says why it cannot start' : 'runs'}`, async () => {
            const { page } = await openPage(browser, { prepare, started: false });
            await waitFor(page, `the figure or a sentence in place of 図を準備しています…`, () =>
                document.getElementById('status')?.textContent.endsWith('。') ?? true);
            assert.equal(await page.evaluate(() => document.getElementById('status')?.textContent ?? null), sentence);
            if (!sentence) // the altitude, three pixels wide
                assert.deepEqual([await pixel(page, 522, 300), await pixel(page, 524, 300)], [Colors.white, Colors.black]);
            await page.close();
        });
    }
});

// Hosts that keep the script from running: the style alone speaks, 20 s on
// in the single file (sped up here), at once in the site's page, whose first
// script tells it whether any runs. A charset of the server's own changes
// nothing: it starts.
describe('a start on a host of its own mind', () => {
    const hosts = [{ 'Content-Security-Policy': "script-src 'self'" }, { 'Content-Security-Policy': 'sandbox' },
                   { 'Content-Type': 'text/html; charset=Shift_JIS' }];
    for (const [file, headers] of [PagePath, join(SitePath, 'index.html')].flatMap((file) => hosts.map((h) => [file, h]))) {
        test(`${relative(dirname(PagePath), file)} under ${Object.values(headers)} ends in a Japanese sentence or the figure`, async () => {
            const server = await serveFolder(dirname(file), undefined, headers);
            after(server.stop);
            const { page } = await openPage(browser, { url: `${server.origin}/${basename(file)}`, started: false });
            const session = await page.createCDPSession();
            await session.send('Animation.enable');
            await session.send('Animation.setPlaybackRate', { playbackRate: file === PagePath ? 100 : 1 });
            // Polled from here: a sandboxed page runs no timer, not even DevTools'.
            const said = await poll('the figure or a sentence in place of 図を準備しています…', () => page.evaluate(() => {
                const shown = [...document.querySelectorAll('#status p')].filter((p) => getComputedStyle(p).visibility === 'visible');
                return document.getElementById('status') ? (shown.length === 1 && shown[0].textContent.endsWith('。') ? '。' : undefined)
                    : document.title.replace(/\u00a0/g, ' ');
            }));
            assert.equal(said, headers['Content-Type'] ? '三角形の直角の頂点から下ろした垂線   by q.Varlen' : '。');
            await page.close();
        });
    }
});

describe('the page at other pixel ratios', () => {
    for (const ratio of [1.1, 1.25, 1.5, 1.75, 2, 3]) {
        test(`keeps every grid line one crisp band of one width at ${ratio}`, async () => {
            const { page, record } = await openPage(browser, { ratio });
            // Down the column x = 100, the ten level grid lines: where each
            // starts, and all of one width (at 1.25 they once alternated).
            const bands = await page.evaluate((x, height) => {
                const grey = Array.from(window.readFigure(x, 0, 1, height).filter((_, i) => i % 4 === 1), (g) => g === 192);
                return grey.flatMap((g, y) => (g && !grey[y - 1] ? [[y, grey.indexOf(false, y) - y]] : []));
            }, Math.round(100 * ratio), Math.floor(541 * ratio));
            assert.deepEqual(bands.map(([, width]) => width), Array(10).fill(bands[0][1]));
            assert.ok(Math.abs(bands[1][0] - 54 * ratio) <= 0.5, `Line5(1) from device row ${bands[1][0]}`);
            // The altitude: only black and white, nothing blended, across it.
            const across = await page.evaluate((y, from, to) => {
                const data = window.readFigure(from, y, to - from, 1);
                return Array.from({ length: to - from }, (_, i) => data[i * 4]);
            }, Math.round(300 * ratio), Math.round(518 * ratio), Math.round(532 * ratio));
            assert.ok(across.every((red) => red === 0 || red === 255), `no blended pixel: ${across}`);
            assert.deepEqual(record.console, []);
            await page.close();
        });
    }

    // At 1.5, 541 pixels are 811.5 device pixels. On a screen of that ratio
    // (an emulated one resamples every page), the screen shows the bitmap
    // pixel for pixel, its device pixels counted by the browser or not.
    test('shows the figure unresampled at 900 x 541 on a screen of ratio 1.5', async () => {
        const screen = await launch({ args: ['--force-device-scale-factor=1.5'] });
        after(() => screen.close());
        for (const prepare of [undefined, () => { delete ResizeObserverEntry.prototype.devicePixelContentBoxSize; }]) {
            const { page } = await openPage(screen, { ratio: 0, prepare });
            await page.evaluate(() => { document.getElementById('buttons').style.display = 'none'; });
            const seen = await page.evaluate(async (png) => {
                // As an image, which the page's policy allows from data:, not a fetch.
                const image = new Image();
                image.src = `data:image/png;base64,${png}`;
                await image.decode();
                const copy = new OffscreenCanvas(image.width, image.height).getContext('2d', { willReadFrequently: true });
                copy.drawImage(image, 0, 0);
                const shown = copy.getImageData(0, 0, image.width, image.height).data;
                const bitmap = window.readFigure(0, 0, 1350, 812);
                const columns = new Set();
                for (let i = 0; i < shown.length; i += 4) {
                    if (shown[i] !== bitmap[i] || shown[i + 1] !== bitmap[i + 1] || shown[i + 2] !== bitmap[i + 2])
                        columns.add((i / 4) % image.width);
                }
                // Across the altitude, x = 524.73, at y = 300.
                const across = Array.from({ length: 21 }, (_, i) => shown[(450 * image.width + 777 + i) * 4]);
                return { size: [image.width, image.height], columns: [...columns], across };
            }, await page.screenshot({ encoding: 'base64' }));
            assert.deepEqual(seen, { size: [1350, 812], columns: [], across: seen.across.map((red) => (red < 128 ? 0 : 255)) });
            await page.close();
        }
    });

    test('fills the frame at the device resolution', async () => {
        const { page } = await openPage(browser, { ratio: 2 });
        const size = await page.evaluate(() => {
            const canvas = document.getElementById('surface');
            return [canvas.width, canvas.height, canvas.clientWidth, canvas.clientHeight];
        });
        assert.deepEqual(size, [1800, 1082, 900, 541]);
        await waitForPixel(page, 'the grid at device row 108', 200, 108, Colors.grey);
        await page.close();
    });
});

describe('a screen held upright', () => {
    // Held on their side, 700 x 690 and 760 x 740 would cut off B's and C's letters.
    for (const [width, height] of [[768, 1024], [390, 844], [700, 690], [760, 740]]) {
        test(`shows the whole triangle at ${width} x ${height}, BC level, in a landscape window`, async () => {
            const { page } = await openPage(browser, { width, height });
            const c = await controls(page);
            assert.equal(number(c.Form1.ScaleWidth), width);
            assert.equal(number(c.Form1.ScaleHeight), Math.round((width * 541) / 900));
            assert.equal(c.State.By, c.State.Cy, 'BC horizontal');
            const inside = (x, y) => x >= 0 && x <= width && y >= 0 && y <= height;
            for (const vertex of ['A', 'B', 'C'])
                assert.ok(inside(number(c.State[`${vertex}x`]), number(c.State[`${vertex}y`])), vertex);
            for (const letter of ['Label1(0)', 'Label1(1)', 'Label1(2)', 'Label1(3)']) {
                const { Left, Top, Width, Height } = c[letter];
                assert.ok(inside(number(Left), number(Top)) && inside(number(Left) + number(Width), number(Top) + number(Height)),
                          `${letter} inside the viewport`);
            }
            await waitForPixel(page, 'BC painted', Math.round(number(c.State.Bx)) + 20, Math.floor(number(c.State.By)), Colors.black);
            // Turned on its side, or just wide enough for C's letter (11 pixels
            // past C, which is half the height right of the middle), it fills it.
            const [wide, high] = width < height ? [height, width] : [height + 22, height];
            await page.setViewport({ width: wide, height: high });
            await poll('the client area to fill the viewport', async () =>
                (number((await controls(page)).Form1.ScaleHeight) === high ? true : undefined));
            await page.close();
        });
    }
});

