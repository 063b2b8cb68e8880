// Saves the README's pictures of the web page, in Chromium: the page after its first run, and
// the same on a phone held upright (390 x 844).
//
//   KYMORA_WEB_PAGE=build-web/kymora.html node tools/web_screenshots.mjs OUTPUT_DIRECTORY

import { join } from 'node:path';

import { launch, open, run } from '../tests/web/browser.mjs';

const directory = process.argv[2];
const browser = await launch();
const shots = [
    { file: 'kymora-web.png', options: {}, element: '#client' },
    { file: 'kymora-web-phone.png',
      options: { viewport: { width: 390, height: 844 }, deviceScaleFactor: 2, isMobile: true,
                 hasTouch: true } },
];
for (const { file, options, element } of shots) {
    const page = await open(browser, options);
    await run(page, () => page.getByRole('button', { name: 'Start' }).click());
    const path = join(directory, file);
    await (element ? page.locator(element).screenshot({ path }) : page.screenshot({ path }));
    console.error('wrote ' + path);
}
await browser.close();
