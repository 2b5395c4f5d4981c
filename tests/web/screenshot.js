// The README's picture of the page: the file opened from disk in headless
// Chromium at the design size, as it opens.
//   ALTITUDE_WEB_PAGE=build-web/altitude.html node tests/web/screenshot.js docs/screenshot-web.png
import { launch, openPage } from './browser.js';

const output = process.argv[2];
const browser = await launch();
try {
    const { page } = await openPage(browser);
    await page.screenshot({ path: output });
    console.log(`screenshot: wrote ${output}`);
} finally {
    await browser.close();
}
