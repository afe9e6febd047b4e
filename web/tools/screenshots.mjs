// The README's pictures of the page: node screenshots.mjs <dist/web> <folder>.
import { serve } from './serve.mjs';
import { launch, loadPuppeteer, openTab, press, ready } from '../tests/browser.mjs';

const [folder, out] = process.argv.slice(2);
const puppeteer = await loadPuppeteer();
const server = await serve(folder);
const browser = await launch(puppeteer);
const url = `http://127.0.0.1:${server.address().port}/`;
for (const [language, languages] of [['ru', ['ru-RU']], ['en', ['en-US']]]) {
  for (const [kind, device] of [['desktop', null], ['phone', puppeteer.devices['Pixel 5']]]) {
    const tab = await openTab(browser, { languages, device, viewport: { width: 1000, height: 860 } });
    await ready(tab, url);
    await press(tab, ['8189']);
    await tab.focus('#MaskEdit2');
    await press(tab, ['0501', '{Enter}']);
    if (device) await tab.focus('#MaskEdit1');
    await tab.screenshot({ path: `${out}/web-${kind}-${language}.png`, fullPage: !device });
    await tab.close();
  }
}
await browser.close();
server.close();
