// The README's pictures of the page: node screenshots.mjs <dist/web> <folder>.
import { serve } from './serve.mjs';
import { launch, loadPuppeteer, openTab, paste, ready } from '../tests/browser.mjs';

const [folder, out] = process.argv.slice(2);
const puppeteer = await loadPuppeteer();
const server = await serve(folder);
const browser = await launch(puppeteer);
const url = `http://127.0.0.1:${server.address().port}/`;
for (const [language, languages] of [['ru', ['ru-RU']], ['en', ['en-US']]]) {
  for (const [kind, device] of [['desktop', null], ['phone', puppeteer.devices['Pixel 5']]]) {
    const tab = await openTab(browser, { languages, device, viewport: { width: 1000, height: 860 } });
    await ready(tab, url);
    // An earlier reading, then a link's: the explanation, the recent ones and what changed.
    await paste(tab, '#MaskEdit1', '80 80 89 80 80 80');
    await tab.evaluate(() => { location.hash = '#s=808489808391&e=0501'; });
    await tab.waitForFunction(() => document.getElementById('MaskEdit2').value === '0501');
    await tab.click('#recent-caption');
    await tab.click('#recent-list button[data-compare="80 80 89 80 80 80"]');
    if (device) {
      await tab.evaluate(() => window.scrollTo(0, 0));
    } else {
      // Groups out of view are laid out only once in view: the whole page is made the view.
      await tab.setViewport({ width: 1000, height: await tab.evaluate(() => document.documentElement.scrollHeight) });
      await tab.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
    }
    await tab.screenshot({ path: `${out}/web-${kind}-${language}.png`, fullPage: !device });
    await tab.close();
  }
}
await browser.close();
server.close();
