// Debian's chromium, headless, against the page served on 127.0.0.1.
import { existsSync, readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

export const projectRoot = join(dirname(fileURLToPath(import.meta.url)), '../..');
export const distWeb = process.env.REGALO_WEB_DIST || join(projectRoot, 'dist/web');
// The project's version, as CMakeLists.txt gives it.
export const version = readFileSync(join(projectRoot, 'CMakeLists.txt'), 'utf8').match(/^project\(Regalo_Vespera VERSION ([\d.]+)/m)[1];
export const singleFile = process.env.REGALO_WEB_SINGLE || join(projectRoot, `dist/Regalo_Vespera-${version}-web.html`);
const chromium = process.env.CHROMIUM || '/usr/bin/chromium';

// ctest counts exit code 77 as skipped: the page or the browser is not there.
export async function loadPuppeteer() {
  const missing = [[distWeb, 'the page (scripts/web)'], [chromium, 'chromium (scripts/web)']]
    .filter(([path]) => !existsSync(path));
  let puppeteer;
  try {
    const module = await import('puppeteer-core');
    puppeteer = { launch: (options) => module.default.launch(options), devices: module.KnownDevices,
      networkConditions: module.PredefinedNetworkConditions };
  } catch {
    missing.push(['puppeteer-core', 'npm packages (scripts/web)']);
  }
  if (missing.length > 0) {
    console.log(`skipped: missing ${missing.map(([, what]) => what).join(', ')}`);
    process.exit(77);
  }
  return puppeteer;
}

export async function launch(puppeteer, options = {}) {
  return puppeteer.launch({
    executablePath: chromium,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--disable-dev-shm-usage'],
    ...options,
  });
}

// A tab in the given language whose every error and refused request fails the test.
export async function openTab(browser, { languages = ['ru-RU', 'ru'], viewport = { width: 1000, height: 800 }, device, context } = {}) {
  const tab = await (context || browser).newPage();
  const problems = [];
  tab.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  tab.on('console', (message) => { if (message.type() === 'error') problems.push(`console: ${message.text()}`); });
  tab.on('requestfailed', (request) => problems.push(`request failed: ${request.url()}`));
  tab.problems = problems;
  await tab.evaluateOnNewDocument((list) => {
    Object.defineProperty(navigator, 'languages', { get: () => list });
    Object.defineProperty(navigator, 'language', { get: () => list[0] });
  }, languages);
  if (device) await tab.emulate(device);
  else await tab.setViewport(viewport);
  return tab;
}

// Loaded, and its rules arrived (keys typed earlier wait for them).
export async function ready(tab, url) {
  await tab.goto(url);
  await tab.waitForSelector('body[data-rules]', { timeout: 15000 });
}

// What the page shows: both fields, the boxes ticked by number, the list's entry, the description.
export function shown(tab) {
  return tab.evaluate(() => ({
    status: document.getElementById('MaskEdit1').value,
    errorCode: document.getElementById('MaskEdit2').value,
    ticked: [...document.querySelectorAll('input[id^=CheckBox]')].filter((b) => b.checked).map((b) => Number(b.id.slice(8))).sort((a, b) => a - b),
    receiptState: document.getElementById('ComboBox1').selectedIndex,
    description: document.getElementById('Label1').textContent,
    message: document.getElementById('message').textContent,
  }));
}

// Keys as the keyboard sends them: "{Enter}", "{Shift+ArrowLeft}", "{Control+a}"; anything else is text typed.
export async function press(tab, keys) {
  for (const key of keys) {
    const named = key.match(/^\{(.+)\}$/);
    if (!named) {
      await tab.keyboard.type(key);
      continue;
    }
    const parts = named[1].split('+');
    for (const modifier of parts.slice(0, -1)) await tab.keyboard.down(modifier);
    await tab.keyboard.press(parts.at(-1));
    for (const modifier of parts.slice(0, -1).reverse()) await tab.keyboard.up(modifier);
  }
}

// A paste as the browser performs it: its insertion, which the page takes over.
export function paste(tab, selector, text) {
  return tab.$eval(selector, (field, clip) => {
    const data = new DataTransfer();
    data.setData('text/plain', clip);
    field.dispatchEvent(new InputEvent('beforeinput', { inputType: 'insertFromPaste', dataTransfer: data, bubbles: true, cancelable: true }));
  }, text);
}
