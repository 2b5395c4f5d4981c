// The README's pictures of the page: the file opened from disk in headless
// Chromium at the design size, as it opens; and, given a second name, on an
// upright phone (390 x 844) at step 3 of the lesson, whose panel and step
// control stand below the figure.
//   ALTITUDE_WEB_PAGE=build-web/altitude.html node tests/web/screenshot.js docs/screenshot-web.png [UPRIGHT.png]
import { PageUrl, launch, openPage } from './browser.js';

const [output, upright] = process.argv.slice(2);
const browser = await launch();
try {
    const { page } = await openPage(browser);
    await page.screenshot({ path: output });
    console.log(`screenshot: wrote ${output}`);
    if (upright) {
        const phone = await openPage(browser, { width: 390, height: 844, url: `${PageUrl}#lesson=3&angle=74&lengths=1` });
        await phone.page.screenshot({ path: upright });
        console.log(`screenshot: wrote ${upright}`);
    }
} finally {
    await browser.close();
}
