// The README's pictures of the page, and the two an install dialog shows:
//   node screenshots.mjs <dist/web> <docs folder> <folder of the page's own files>
import { serve } from './serve.mjs';
import { join } from 'node:path';
import { launch, loadPuppeteer, openTab, paste, projectRoot, ready } from './browser.mjs';

const [folder, out, pageFiles] = process.argv.slice(2);
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
    // Out of the field first: a phone's keypad would stand over what is clicked.
    await tab.evaluate(() => document.activeElement.blur());
    await tab.click('#recent-caption');
    await tab.click('#recent-list button[data-compare="80 80 89 80 80 80"]');
    if (device) await tab.evaluate(() => window.scrollTo(0, 0));
    await tab.screenshot({ path: `${out}/web-${kind}-${language}.png`, fullPage: !device });
    // Small, as the manifest names them: a phone's 393x851 and a computer's 1280x800.
    if (language === 'ru' && pageFiles) {
      await tab.setViewport(device ? { ...device.viewport, deviceScaleFactor: 1 } : { width: 1280, height: 800 });
      await tab.evaluate(() => window.scrollTo(0, 0));
      await tab.screenshot({ path: `${pageFiles}/install-${kind}.webp`, type: 'webp', quality: 60 });
    }
    await tab.close();
  }
}
// A shift's log on a computer and on a phone, light and dark: its summary,
// the chart and the rows, the page scrolled to it.
for (const [kind, device] of [['desktop', null], ['phone', puppeteer.devices['Pixel 5']]]) {
  for (const scheme of ['light', 'dark']) {
    const tab = await openTab(browser, { languages: ['ru-RU'], device, viewport: { width: 1000, height: 860 } });
    await tab.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
    await ready(tab, url);
    await (await tab.$('#LogFile')).uploadFile(join(projectRoot, 'tests/logs/driver.log'));
    await tab.waitForFunction(() => document.getElementById('log-progress').hidden && document.querySelectorAll('#LogChart .lane').length > 0);
    const name = `${out}/web-log-${kind}${scheme === 'dark' ? '-dark' : ''}.png`;
    if (device) {
      // What a phone shows of it, a screen at a time: the chart, then the rows.
      await tab.$eval('#LogChart', (chart) => chart.scrollIntoView());
      await tab.screenshot({ path: name });
      await tab.$eval('#log-rows', (rows) => rows.scrollIntoView());
      await tab.screenshot({ path: name.replace('.png', '-rows.png') });
    } else {
      await (await tab.$('#log')).screenshot({ path: name });
    }
    await tab.close();
  }
}
await browser.close();
server.close();
