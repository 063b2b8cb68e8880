// Saves the README's pictures of the web page, in Chromium: the page after its first run, and
// the same on a phone held upright (390 x 844), in the touch layout.
//
//   KYMORA_WEB_PAGE=build-web/kymora.html node tools/web_screenshots.mjs OUTPUT_DIRECTORY

import { join } from 'node:path';

import { launch, open, phone, run } from '../tests/web/browser.mjs';

const directory = process.argv[2];
const browser = await launch();
const shots = [
    { file: 'kymora-web.png', options: {}, element: '#client' },
    { file: 'kymora-web-phone.png', options: phone },
];
for (const { file, options, element } of shots) {
    const page = await open(browser, options);
    await run(page, () => page.getByRole('button', { name: 'Start' }).click());
    // The whole page below the picture is empty: the picture down to its end.
    const bottom = await page.evaluate(() =>
        Math.ceil(document.getElementById('picture').getBoundingClientRect().bottom) + 8);
    const path = join(directory, file);
    await (element ? page.locator(element).screenshot({ path })
                   : page.screenshot({ path, clip: { x: 0, y: 0, width: 390, height: bottom } }));
    console.error('wrote ' + path);
}
await browser.close();
