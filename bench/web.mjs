// The web page's size, start-up and keystroke cost, in Debian's chromium:
//   node bench/web.mjs [dist/web] [single file]
// Start-up is measured against a static page with the same 48 boxes and two
// fields, loaded the same way in the same browser, alternately.
import { readFileSync, readdirSync, statSync, mkdtempSync, writeFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { serve } from '../web/tools/serve.mjs';
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';
import { distWeb, launch, loadPuppeteer, openTab, projectRoot, ready, singleFile } from '../web/tools/browser.mjs';

const folder = process.argv[2] || distWeb;
const single = process.argv[3] || singleFile;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

// What a visit loads: the install dialog's pictures are fetched only by an
// install dialog, the log's rules only once a log is opened (and by the
// service worker, after the page is up), and each file is sent once, as it
// is or as one of its compressed copies.
const files = readdirSync(folder).filter((file) => !file.startsWith('install-') && !/\.(br|gz)$/.test(file)
  && !['_headers', 'log.wasm'].includes(file)).map((file) => readFileSync(join(folder, file)));
const total = files.reduce((sum, data) => sum + data.length, 0);
const gzipped = files.reduce((sum, data) => sum + gzipSync(data, { level: 9 }).length, 0);
const singleSize = statSync(single).size;
const logRules = readFileSync(join(folder, 'log.wasm'));
console.log(`dist/web: ${kb(total)} (limit 300 KB), gzip ${kb(gzipped)} (limit 120 KB); single file ${kb(singleSize)} (limit 400 KB); `
  + `the log's rules when a log is opened: ${kb(logRules.length)}, gzip ${kb(gzipSync(logRules, { level: 9 }).length)}`);

// The floor: the same 48 boxes with the same captions and the two fields, no program.
const floor = mkdtempSync(join(tmpdir(), 'regalo-floor-'));
const texts = JSON.parse(readFileSync(join(folder, 'index.html'), 'utf8').match(/<script type="application\/json" id="texts">(.*?)<\/script>/s)[1]).ru;
const boxes = texts.boxes.map((caption, i) => `<label><input type="checkbox" id="CheckBox${i + 1}"> ${caption}</label>`).join('\n');
writeFileSync(join(floor, 'index.html'), `<!DOCTYPE html><html><head><meta charset="utf-8"><title>floor</title></head><body>
<input id="MaskEdit1" value="80 80 80 80 80 80"><div>${boxes}</div><input id="MaskEdit2" value="0000">
<script>document.getElementById('MaskEdit1').focus(); document.body.dataset.rules = 'true';
performance.mark('regalo-ready'); performance.mark('regalo-rules');</script></body></html>`);

const puppeteer = await loadPuppeteer();
const [pageServer, floorServer] = await Promise.all([serve(folder), serve(floor)]);
const browser = await launch(puppeteer);
// A first visit: each load in a browser context of its own (nothing cached,
// no service worker); a later visit: the same tab again, the page's service
// worker answering from its cache.
const readyTime = async (server, tab) => {
  await ready(tab, `http://127.0.0.1:${server.address().port}/?${Math.random()}`);
  return tab.evaluate(() => ['regalo-ready', 'regalo-rules'].map((mark) => performance.getEntriesByName(mark)[0].startTime));
};
const firstVisit = async (server) => {
  const context = await browser.createBrowserContext();
  const tab = await openTab(context);
  const time = await readyTime(server, tab);
  await context.close();
  return time;
};
// The order turns every round: a visit straight after a browser context
// closed starts 5-15 ms later than one after a visit, whichever page it is,
// and a fixed order gave that to the same page every time.
const rotated = (names, round) => names.map((_, i) => names[(i + round) % names.length]);
const servers = { page: pageServer, floor: floorServer };
const later = { page: await openTab(browser), floor: await openTab(browser) };
const times = { first: { page: [], floor: [] }, later: { page: [], floor: [] } };
// A hundred rounds: one load of either page takes anything from 30 to 140 ms
// here, and over 26 the ratio of the two medians moved by 0.1 either way
// from one run to the next, a third of what the budget allows.
const rounds = 100;
for (let round = 0; round < rounds; ++round) {
  const order = rotated(['page', 'floor'], round);
  for (const name of order) times.first[name].push(await firstVisit(servers[name]));
  for (const name of order) times.later[name].push(await readyTime(servers[name], later[name]));
}
// Ready to type no later against the static page than when these budgets were set.
const readyLimits = { first: 1.51, later: 1.75 };
for (const [visit, { page, floor }] of Object.entries(times)) {
  const [typing, rules, still] = [median(page.map((t) => t[0])), median(page.map((t) => t[1])), median(floor.map((t) => t[0]))];
  console.log(`${visit} visit: ready to type ${typing.toFixed(1)} ms, static page ${still.toFixed(1)} ms: `
    + `${(typing / still).toFixed(2)}x (limit ${readyLimits[visit]}x); the rules answer from ${rules.toFixed(1)} ms; medians of ${rounds}`);
}
const tab = later.page;

// A phone's first visit: Pixel-5-like, 4x slower processor, a slow link;
// from the request to the first typed key shown (keys typed before the rules
// arrive are shown when they do), against the static page the same way. In
// Russian, as the static page is and every visit above; an English phone
// also has the page's texts to write in.
const phoneVisit = async (name) => {
  const [server, languages] = name === 'english' ? [pageServer, ['en-US', 'en']] : [servers[name], ['ru-RU', 'ru']];
  const context = await browser.createBrowserContext();
  const phone = await openTab(browser, { context, languages, device: puppeteer.devices['Pixel 5'] });
  await phone.emulateCPUThrottling(4);
  await phone.emulateNetworkConditions(puppeteer.networkConditions['Slow 4G']);
  await ready(phone, `http://127.0.0.1:${server.address().port}/?${Math.random()}`);
  const shown = await phone.evaluate(() => performance.getEntriesByName('regalo-rules')[0].startTime);
  await context.close();
  return shown;
};
const phoneTimes = { page: [], english: [], floor: [] };
// Twenty-five rounds: a phone visit varies by 100 ms from one to the next
// here, and over fifteen the median itself still moved by some 30 ms from
// one run to the next.
const phoneRounds = 25;
for (let round = 0; round < phoneRounds; ++round) {
  for (const name of rotated(['page', 'floor', 'english'], round)) phoneTimes[name].push(await phoneVisit(name));
}
const [phonePage, phoneEnglish, phoneFloor] = [phoneTimes.page, phoneTimes.english, phoneTimes.floor].map(median);
console.log(`phone first visit (4x CPU, Slow 4G): first typed key shown at ${phonePage.toFixed(0)} ms, static page `
  + `${phoneFloor.toFixed(0)} ms: ${(phonePage / phoneFloor).toFixed(2)}x (limit 1.3x); in English ${phoneEnglish.toFixed(0)} ms: `
  + `${(phoneEnglish / phoneFloor).toFixed(2)}x; medians of ${phoneRounds}`);

// A standard page audit, Lighthouse, on a phone and a computer, three runs each.
// Lighthouse is installed with the page's test tools, in web/.
const fromWeb = createRequire(join(projectRoot, 'web/package.json'));
const { default: lighthouse } = await import(pathToFileURL(fromWeb.resolve('lighthouse')));
const desktopConfig = (await import(pathToFileURL(fromWeb.resolve('lighthouse/core/config/desktop-config.js')))).default;
for (const [formFactor, config] of [['mobile', undefined], ['desktop', desktopConfig]]) {
  const runs = [];
  for (let run = 0; run < 3; ++run) {
    const context = await browser.createBrowserContext();
    const audited = await context.newPage();
    const { lhr } = await lighthouse(`http://127.0.0.1:${pageServer.address().port}/`,
      { logLevel: 'error', onlyCategories: ['performance', 'accessibility', 'best-practices', 'seo'] }, config, audited);
    runs.push(Object.values(lhr.categories).map((category) => `${category.id} ${Math.round(category.score * 100)}`).join(', '));
    await context.close();
  }
  console.log(`Lighthouse ${formFactor} (limits: performance 95, the others 100): ${runs.join(' | ')}`);
}

// Keystrokes: key down and up in the status field, field, boxes and list drawn.
await ready(tab, `http://127.0.0.1:${pageServer.address().port}/`);
const costs = await tab.evaluate(() => {
  const field = document.getElementById('MaskEdit1');
  const send = (type, key) => field.dispatchEvent(new KeyboardEvent(type, { key, bubbles: true, cancelable: true }));
  const keys = '0123456789ABCDEF';
  const each = [];
  for (let i = 0; i < 1000; ++i) {
    const key = i % 18 === 17 ? 'Home' : keys[(i * 7) % 16];
    const start = performance.now();
    send('keydown', key);
    send('keyup', key);
    each.push(performance.now() - start);
  }
  // A key held down: repeats without a key coming up.
  const held = [];
  for (let i = 0; i < 200; ++i) {
    const start = performance.now();
    send('keydown', 'F');
    held.push(performance.now() - start);
  }
  const clip = new DataTransfer();
  clip.setData('text/plain', '8'.repeat(1 << 20));
  const start = performance.now();
  field.dispatchEvent(new InputEvent('beforeinput', { inputType: 'insertFromPaste', dataTransfer: clip, bubbles: true, cancelable: true }));
  return { each, held: Math.max(...held), paste: performance.now() - start };
});
// The browser's clock ticks in 0.1 ms here: the mean tells what a median of one tick hides.
const mean = costs.each.reduce((sum, t) => sum + t, 0) / costs.each.length;
console.log(`keystroke (down and up, drawn): median ${median(costs.each).toFixed(1)} ms over 1000 (limit 1 ms), `
  + `mean ${mean.toFixed(3)} ms, slowest ${Math.max(...costs.each).toFixed(1)} ms`);
console.log(`held-down key: slowest repeat ${costs.held.toFixed(2)} ms; 1 MB paste refused in ${costs.paste.toFixed(1)} ms (limit 100 ms each)`);
// A polled driver's log of 50 MB opened through LogFile, in a tab of its
// own (the one above was throttled as a phone): the register asked every
// few seconds, its status changing now and then, an error now and then.
// When its first rows show, how often the summary grows while it is read,
// when the whole table is done, and how late a key typed meanwhile is answered.
const logFile = join(mkdtempSync(join(tmpdir(), 'regalo-log-')), 'shift.log');
{
  const lines = [];
  let bytes = [0x80, 0x80, 0x88, 0x80, 0x83, 0x91];
  const hex = (b) => b.toString(16).toUpperCase().padStart(2, '0');
  let size = 0;
  for (let i = 0; size < 50 * 1024 * 1024; ++i) {
    const second = i * 5;
    const time = `2026-12-${String(9 + Math.floor(second / 86400)).padStart(2, '0')} ${String(Math.floor(second / 3600) % 24).padStart(2, '0')}:${String(Math.floor(second / 60) % 60).padStart(2, '0')}:${String(second % 60).padStart(2, '0')}.${String(i % 1000).padStart(3, '0')}`;
    if (i % 2000 === 0) bytes = bytes.map((b, k) => (k === i % 6 ? 0x80 | ((b + i) & 0x7f) : b));
    const line = i % 5000 === 4999 ? `${time} [FR] ERR 0x0${i % 3 ? 501 : 301}` : `${time} [FR] <- ${bytes.map(hex).join(' ')} (poll ${i})`;
    lines.push(line);
    size += line.length + 1;
  }
  writeFileSync(logFile, `${lines.join('\n')}\n`);
}
const logTab = await openTab(browser);
await ready(logTab, `http://127.0.0.1:${pageServer.address().port}/`);
await logTab.evaluate(() => {
  const figures = { start: 0, first: 0, whole: 0, delays: [], summaries: 0 };
  window.logFigures = figures;
  const field = document.getElementById('MaskEdit1');
  const body = document.getElementById('log-body');
  new MutationObserver(() => {
    if (!figures.first && body.querySelector('tr:not(.spacer)')) figures.first = performance.now() - figures.start;
  }).observe(body, { childList: true });
  new MutationObserver(() => {
    if (document.getElementById('log-progress').hidden && figures.start && !figures.whole) figures.whole = performance.now() - figures.start;
  }).observe(document.getElementById('LogTimeline'), { attributes: true });
  new MutationObserver(() => {
    if (!figures.whole) figures.summaries += 1;
  }).observe(document.getElementById('LogSummary'), { childList: true });
  document.getElementById('LogFile').addEventListener('change', () => {
    figures.start = performance.now();
    // A key every 10 ms while the log is read: how long after it was due it was answered.
    const key = () => {
      const due = performance.now() + 10;
      setTimeout(() => {
        field.dispatchEvent(new KeyboardEvent('keydown', { key: 'A', bubbles: true, cancelable: true }));
        field.dispatchEvent(new KeyboardEvent('keyup', { key: 'A', bubbles: true, cancelable: true }));
        figures.delays.push(performance.now() - due);
        if (!figures.whole) key();
      }, 10);
    };
    key();
  }, { capture: true });
});
await (await logTab.$('#LogFile')).uploadFile(logFile);
await logTab.waitForFunction(() => window.logFigures.whole > 0, { timeout: 300000 });
const logFigures = await logTab.evaluate(() => window.logFigures);
const found = await logTab.$eval('#log-status', (e) => e.textContent);
console.log(`50 MB polled log (${found}): first rows at ${logFigures.first.toFixed(0)} ms (limit 300 ms), whole table at ${logFigures.whole.toFixed(0)} ms, `
  + `the summary drawn ${logFigures.summaries} times as it grew; `
  + `keys meanwhile answered at most ${Math.max(...logFigures.delays).toFixed(1)} ms late (limit 50 ms; median ${median(logFigures.delays).toFixed(1)} ms, ${logFigures.delays.length} keys)`);
await browser.close();
pageServer.close();
floorServer.close();
