// Saves the README's pictures of the web page, in Chromium: the page after its first run, the
// same on a phone held upright (390 x 844), in the touch layout, and in the projector's colours
// and in a dark contrast theme's (the browser's forced colours).
//
//   KYMORA_WEB_PAGE=build-web/kymora.html node tools/web_screenshots.mjs OUTPUT_DIRECTORY

import { join } from 'node:path';

import { launch, open, phone, run } from '../tests/web/browser.mjs';

const directory = process.argv[2];
const browser = await launch();
const shots = [
    { file: 'kymora-web.png', options: {}, element: '#client' },
    { file: 'kymora-web-phone.png', options: phone },
    { file: 'kymora-web-projector.png', options: {}, element: '#client',
      query: '?colours=projector' },
    { file: 'kymora-web-high-contrast.png', options: { forcedColors: 'active', colorScheme: 'dark' },
      element: '#client' },
];
for (const { file, options, element, query } of shots) {
    const page = await open(browser, options, query);
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
