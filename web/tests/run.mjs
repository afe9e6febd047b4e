// The page's tests in a real browser: node run.mjs <suite>. Each suite is a
// table of cases; a failed case names itself and what the page showed.
import assert from 'node:assert/strict';
import { execFileSync, spawn, spawnSync } from 'node:child_process';
import { cpSync, mkdirSync, mkdtempSync, readFileSync, rmSync, symlinkSync, writeFileSync } from 'node:fs';
import { request as httpRequest } from 'node:http';
import { connect } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';
import { serve } from '../tools/serve.mjs';
import { distWeb, launch, loadPuppeteer, openTab, paste, press, projectRoot, ready, shown, singleFile } from '../tools/browser.mjs';

const ALWAYS_SET = [8, 16, 24, 32, 40, 48];
const ticked = (...numbers) => [...new Set([...numbers, ...ALWAYS_SET])].sort((a, b) => a - b);

const suites = {
  // The start state, and nothing asked of anyone but the page's own origin.
  async start({ tab, url, browser }) {
    const requests = [];
    tab.on('request', (request) => requests.push(request.url()));
    await ready(tab, url);
    assert.deepEqual(await shown(tab), {
      status: '80 80 80 80 80 80', errorCode: '0000', ticked: ALWAYS_SET, receiptState: 0, description: '', message: '',
    });
    const names = await tab.evaluate(() => [...document.querySelectorAll('[id^=CheckBox]')].map((b) => b.labels[0].textContent));
    assert.equal(names.length, 48);
    assert.ok(names.every((name) => name.length > 0), 'every box has its caption');
    assert.equal(await tab.evaluate(() => document.activeElement.id), 'MaskEdit1');
    // The window's groups: two columns of three, the list beside byte 2's
    // first boxes; the code's row above them, on a laptop's first screen.
    const layout = await tab.evaluate(() => {
      const rect = (id) => document.getElementById(id).getBoundingClientRect();
      return {
        columns: rect('GroupBox2').left > rect('GroupBox1').right && rect('GroupBox2').top === rect('GroupBox1').top,
        rows: rect('GroupBox3').top > rect('GroupBox1').bottom && rect('GroupBox5').top > rect('GroupBox3').bottom,
        listBeside: rect('ComboBox1').left > rect('CheckBox33').right && rect('ComboBox1').top < rect('CheckBox35').top,
        codeFirst: rect('GroupBox7').bottom < rect('GroupBox1').top,
      };
    });
    assert.deepEqual(layout, { columns: true, rows: true, listBeside: true, codeFirst: true });
    // In the document, and so on a phone and in the tab order, the groups stand in byte order.
    assert.deepEqual(await tab.$$eval('fieldset', (groups) => groups.map((g) => g.id)),
      ['GroupBox7', 'GroupBox1', 'GroupBox3', 'GroupBox5', 'GroupBox2', 'GroupBox4', 'GroupBox6']);
    // The longest receipt state shows whole at every width: wrapped where it must be.
    for (const width of [320, 393, 800, 1000]) {
      await tab.setViewport({ width, height: 700 });
      const whole = await tab.$eval('#ComboBox1', (list) => {
        list.selectedIndex = 5;
        const style = getComputedStyle(list);
        const measure = document.createElement('canvas').getContext('2d');
        measure.font = style.font;
        const room = list.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight) - 16;
        const lines = Math.round(list.clientHeight / parseFloat(style.lineHeight || 16));
        return measure.measureText(list.options[5].text).width <= room * Math.max(lines, 1);
      });
      assert.ok(whole, `entry 5 cut at ${width} px`);
      // And the fields their widest text, "D" being the widest hex digit.
      const cut = await tab.evaluate(() => [['MaskEdit1', 'DD DD DD DD DD DD'], ['MaskEdit2', 'DDDD']].filter(([id, text]) => {
        const field = document.getElementById(id);
        const kept = field.value;
        field.value = text;
        const over = field.scrollWidth > field.clientWidth;
        field.value = kept;
        return over;
      }).map(([id]) => id));
      assert.deepEqual(cut, [], `cut at ${width} px`);
    }
    assert.deepEqual(requests.filter((address) => !address.startsWith(url)), []);
    // Written whole in Russian: the script has nothing to fill in, so the first drawing is the last.
    const written = (page) => page.$$eval('header button, #update *, #explanation h2, #explanation button, #recent summary, #no-storage',
      (all) => all.map((e) => `${e.id}: ${e.textContent} ${e.getAttribute('aria-pressed')}`));
    const bare = await openTab(browser);
    await bare.setJavaScriptEnabled(false);
    await bare.goto(url);
    assert.deepEqual(await written(bare), await written(tab));
  },

  // Typing in the status field ticks the boxes and rewrites the byte as the window does.
  async typing({ tab, url }) {
    const cases = [
      { keys: ['81'], status: '81 80 80 80 80 80', ticked: ticked(1) },
      { keys: ['8189'], status: '81 89 80 80 80 80', ticked: ticked(1, 17, 20) },
      { keys: ['8a'], status: '8A 80 80 80 80 80', ticked: ticked(2, 4) },
      { keys: ['G'], status: '80 80 80 80 80 80', ticked: ticked() },
      { keys: ['{End}', '{Backspace}', '1'], status: '80 80 80 80 80 81', ticked: ticked(41) },
      { keys: ['{Control+a}', '{Backspace}', '{Enter}'], status: '80 80 80 80 80 80', ticked: ticked() },
    ];
    for (const c of cases) {
      await ready(tab, url);
      await press(tab, c.keys);
      const now = await shown(tab);
      assert.deepEqual([now.status, now.ticked, now.message], [c.status, c.ticked, ''], c.keys.join(''));
    }
  },

  // A box and the list rewrite the field; the list follows byte 2.
  async boxes({ tab, url }) {
    const cases = [
      { act: (t) => t.click('#CheckBox17'), status: '80 81 80 80 80 80', ticked: ticked(17), state: 0 },
      { act: (t) => t.$eval('#ComboBox1', (list) => {
        list.selectedIndex = 5;
        list.dispatchEvent(new Event('change', { bubbles: true }));
      }), status: '80 80 85 80 80 80', ticked: ticked(33, 35), state: 5 },
      { act: (t) => t.click('#CheckBox34'), status: '80 80 82 80 80 80', ticked: ticked(34), state: 2 },
      { act: (t) => t.click('#CheckBox8'), status: '80 80 80 80 80 80', ticked: ticked(), state: 0 },
    ];
    for (const [i, c] of cases.entries()) {
      await ready(tab, url);
      await c.act(tab);
      const now = await shown(tab);
      assert.deepEqual([now.status, now.ticked, now.receiptState], [c.status, c.ticked, c.state], `case ${i + 1}`);
    }
  },

  // Codes through the page: Enter and the button, lower-case letters, a code with no text;
  // a key the filter puts back leaves the caret where it acted.
  async errors({ tab, url }) {
    const cases = [
      { keys: ['0501', '{Enter}'], code: '0501', description: 'Ошибка оборудования!\n Ошибка дисплея!' },
      { keys: ['0501'], button: true, code: '0501', description: 'Ошибка оборудования!\n Ошибка дисплея!' },
      { keys: ['5010', '{Enter}'], code: '5010', description: 'Код 5010: описания нет' },
      { keys: ['0000', '{Enter}'], code: '0000', description: 'Без ошибок!' },
      { keys: ['0106', '{End}', '{Backspace}', '5', '{Enter}'], code: '0105',
        description: 'Ошибка фискальной памяти!\n Ошибка записи в фискальную память!' },
      { keys: ['0106', '{Home}', '{ArrowRight}', '{ArrowRight}', '{Delete}', '9', '{Enter}'], code: '0196',
        description: 'Код 0196: описания нет' },
      { keys: ['0106', '{Home}', '{ArrowRight}', 'G', '5', '{Enter}'], code: '0506', description: 'Неверный пароль доступа!' },
      // An unfinished code: the window's box, then the field's check, each in the message line, which the key's release keeps.
      { keys: ['{Control+a}', '05', '{Enter}'], code: '05  ', description: '',
        message: 'Неверный код ошибки!\nInvalid input value.  Use escape key to abandon changes' },
      { keys: ['{Control+a}', '05', '{Tab}'], code: '05  ', description: '', message: 'Invalid input value.  Use escape key to abandon changes' },
    ];
    for (const c of cases) {
      await ready(tab, url);
      await tab.focus('#MaskEdit2');
      await press(tab, c.keys);
      if (c.button) await tab.click('#Button2');
      const now = await shown(tab);
      assert.deepEqual([now.errorCode, now.description, now.message], [c.code, c.description, c.message || ''], c.keys.join(''));
    }
  },

  // Every one of the 65,536 codes, in both languages, as regalo-decode says it.
  async allCodes({ tab, url }) {
    const decoder = process.env.REGALO_DECODE;
    if (!decoder) throw new Error('REGALO_DECODE names the regalo-decode to compare with');
    await ready(tab, url);
    const codes = Array.from({ length: 65536 }, (_, n) => n.toString(16).toUpperCase().padStart(4, '0'));
    for (const language of ['ru', 'en']) {
      const output = execFileSync(decoder, ['--lang', language, 'error', '--json', '-'], {
        input: codes.join('\n') + '\n', maxBuffer: 1 << 26, encoding: 'utf8', stdio: ['pipe', 'pipe', 'ignore'] });
      const expected = output.trim().split('\n').map((line) => JSON.parse(line).message);
      const actual = await tab.evaluate(async (english) => {
        // Read as the page reads its blocks: below U+0400 a character's low byte, a Cyrillic letter its UTF-8.
        const text = [...document.getElementsByClassName('rules')].map((block) => block.textContent).join('');
        const wasmBinary = Uint8Array.from([...text].flatMap((letter) => {
          const c = letter.charCodeAt(0);
          return c < 0x400 ? [c & 0xff] : [0xc0 | (c >> 6), 0x80 | (c & 0x3f)];
        }));
        // The two imports it asks of the page, which starts it the same way.
        const { instance: { exports: rules } } = await WebAssembly.instantiate(wasmBinary, {
          env: { emscripten_notify_memory_growth: () => {} }, wasi_snapshot_preview1: { proc_exit: () => {} } });
        rules._initialize();
        const code = rules.malloc(4);
        const all = [];
        for (let n = 0; n < 65536; ++n) {
          new Uint8Array(rules.memory.buffer).set(new TextEncoder().encode(n.toString(16).toUpperCase().padStart(4, '0')), code);
          const answer = rules.page_decodeCode(code, 4, english);
          const bytes = new Uint8Array(rules.memory.buffer);
          all.push(JSON.parse(new TextDecoder().decode(bytes.subarray(answer, bytes.indexOf(0, answer)))));
        }
        return all;
      }, language === 'en');
      const differ = codes.filter((_, n) => actual[n] !== expected[n]);
      assert.deepEqual(differ.slice(0, 5), [], `${language}: ${differ.length} codes differ`);
    }
  },

  // Status lines pasted in the forms people copy them; a paste larger than any
  // line is refused in a line, costing nothing; a lone surrogate is one refused character.
  async pasting({ tab, url }) {
    const line = '81 89 80 80 80 80';
    // What looks like a whole value but cannot be read is refused whole, in
    // regalo-decode's words; pieces go in from the caret.
    const cases = [
      ['#MaskEdit1', '0x81 0x89 0x80 0x80 0x80 0x80', line], ['#MaskEdit1', '81-89-80-80-80-80\n', line],
      ['#MaskEdit1', '81,89,80,80,80,80', line], ['#MaskEdit1', '81\t89\t80\t80\t80\t80', line],
      ['#MaskEdit1', ' 818980808080 ', line], ['#MaskEdit1', '8'.repeat(4096), '88 88 88 88 88 88'],
      ['#MaskEdit1', 'A1', 'A1 80 80 80 80 80'],
      ['#MaskEdit1', '80 84 89 80 83 9С', '80 80 80 80 80 80', 'кириллическая «С» на позиции 17 — нужна латинская C'],
      ['#MaskEdit1', '80 84 89 80 83', '80 80 80 80 80 80', 'неверное число байтов: 5 вместо 6'],
      ['#MaskEdit1', '06 80 84 89 80 83 91', '80 80 80 80 80 80', 'неверное число байтов: 7 вместо 6'],
      ['#MaskEdit2', '0X0501', '0501'],
      ['#MaskEdit1', '10:00:05 status=80-84-89-80-83-91', '80 84 89 80 83 91'],
      ['#MaskEdit2', 'Ошибка: 0E05', '0E05'],
      ['#MaskEdit2', '0Е05', '0000', 'кириллическая «Е» на позиции 2 — нужна латинская E'],
      // A log's text: the reading of the field's kind, or why there is none.
      ['#MaskEdit1', '2026-12-09 09:47:10.501 [ERROR] cmd 0x45 failed: ERR 0x0501', '80 80 80 80 80 80',
        'в тексте код ошибки 0501, а не строка статуса'],
      ['#MaskEdit1', '22:10:15 ST=8080818083 91', '80 80 81 80 83 91'],
      ['#MaskEdit1', 'mac=A4:83:E7:9C:B1:F2', '80 80 80 80 80 80', 'в тексте нет строки статуса'],
      ['#MaskEdit2', '2026-12-09 10:00:01 status 80 84 89 80 83 91', '0000', 'в тексте строка статуса 80 84 89 80 83 91, а не код ошибки'],
    ];
    for (const [field, clip, value, message = ''] of cases) {
      await ready(tab, url);
      await paste(tab, field, clip);
      const now = await shown(tab);
      assert.deepEqual([field === '#MaskEdit1' ? now.status : now.errorCode, now.message], [value, message], JSON.stringify(clip.slice(0, 40)));
    }
    await ready(tab, url);
    await paste(tab, '#MaskEdit1', '8'.repeat(1 << 20));
    const refused = await shown(tab);
    assert.deepEqual([refused.status, refused.message.slice(0, 19)], ['80 80 80 80 80 80', 'Вставка не принята:']);
    await tab.$eval('#MaskEdit1', (field) => field.dispatchEvent(
      new InputEvent('beforeinput', { inputType: 'insertText', data: '\uD80081', cancelable: true, bubbles: true })));
    assert.equal((await shown(tab)).status, '81 80 80 80 80 80');
    // The browser's own paste, from the clipboard by Ctrl+V, which the page never refuses.
    await tab.browserContext().overridePermissions(url, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    await ready(tab, url);
    await tab.evaluate(() => navigator.clipboard.writeText('80-84-89-80-83-91'));
    await tab.keyboard.down('Control');
    await tab.keyboard.press('KeyV', { commands: ['Paste'] });
    await tab.keyboard.up('Control');
    assert.equal((await shown(tab)).status, '80 84 89 80 83 91');

    // The words say what the fields show: no code before one is translated,
    // what cannot be read named; with nothing read, Copy copies nothing and says why.
    const explanation = () => tab.$eval('#Explanation', (e) => e.textContent);
    await ready(tab, url);
    assert.equal(await explanation(), '80 80 80 80 80 80\nСостояние чека: 0. Документ закрыт');
    await press(tab, ['{Control+a}']);
    await paste(tab, '#MaskEdit1', '1');
    assert.equal(await explanation(), 'Строка статуса не прочитана: байт 1 неполный\n81 __ __ __ __ __\nПрочитанные байты:\n'
      + 'Статус регистратора - байт 0 (общее состояние): Регистрвтор находится в сервисном режиме');
    await ready(tab, url);
    await press(tab, ['{Control+a}']);
    await paste(tab, '#MaskEdit1', '0');
    await tab.evaluate(() => navigator.clipboard.writeText('kept'));
    await tab.click('#copy');
    assert.deepEqual([(await shown(tab)).message, await tab.evaluate(() => navigator.clipboard.readText())],
      ['Нечего копировать: ни один байт статуса не прочитан, код ошибки не переведён.', 'kept']);
  },

  // A link opens what of it can be read and names the rest in a line, its
  // address stays as received until a field changes, then follows every
  // edit; typing replaces what it opened at once; nothing of a bad link
  // reaches the page.
  async link({ tab, url }) {
    const decoder = process.env.REGALO_DECODE;
    const brief = (...args) => execFileSync(decoder, [...args, '--brief'], { encoding: 'utf8' }).trimEnd();
    // The address follows once typing pauses.
    const address = async () => {
      await new Promise((done) => setTimeout(done, 300));
      return tab.evaluate(() => location.hash);
    };
    await tab.browserContext().overridePermissions(url, ['clipboard-read', 'clipboard-write']);
    await ready(tab, `${url}#s=80-84-89-80-83-91&e=0501`);
    const now = await shown(tab);
    assert.deepEqual([now.status, now.errorCode, now.description], ['80 84 89 80 83 91', '0501', 'Ошибка оборудования!\n Ошибка дисплея!']);
    const explanation = `${brief('status', '808489808391')}\n\n${brief('error', '0501')}`;
    assert.equal(await tab.$eval('#Explanation', (e) => e.textContent), explanation);
    await tab.click('#copy');
    await tab.waitForFunction(() => document.getElementById('copied').textContent !== '');
    assert.equal(await tab.evaluate(() => navigator.clipboard.readText()), explanation);
    assert.equal(await address(), '#s=80-84-89-80-83-91&e=0501');
    const entries = await tab.evaluate(() => history.length);
    await tab.focus('#MaskEdit1');
    await press(tab, ['9']);
    assert.deepEqual([await address(), await tab.evaluate(() => history.length)], ['#s=908489808391&e=0501', entries]);
    await tab.focus('#MaskEdit2');
    await press(tab, ['0c05']);
    const cases = [
      ['#e=0000', '90 84 89 80 83 91', '0000', ''],
      ['#s=zz&e=<img src=x onerror=alert(1)>', '90 84 89 80 83 91', '0000',
        'Ссылка не открыта: строка статуса "zz" не прочитана (недопустимый символ «z» на позиции 1); код ошибки'],
      ['#s=818080808080', '81 80 80 80 80 80', '0000', ''],
      ['#s=80848980839&e=0501', '81 80 80 80 80 80', '0501',
        'Ссылка открыта не вся: строка статуса "80848980839" не прочитана (у байта одна цифра вместо двух (позиция 11)).'],
      ['#e=0x0c05', '81 80 80 80 80 80', '0c05', ''],
    ];
    for (const [fragment, status, code, message] of cases) {
      await tab.evaluate((f) => { location.hash = f; }, fragment);
      await tab.waitForFunction(([s, c, m]) => document.getElementById('MaskEdit1').value === s
        && document.getElementById('MaskEdit2').value === c && document.getElementById('message').textContent.startsWith(m),
      { timeout: 5000 }, [status, code, message]);
      assert.equal(decodeURI(await address()), fragment, 'the address as received');
    }
    assert.equal(await tab.$$eval('img', (images) => images.length), 0);
    // A query, as messengers make of a link, opens too; the address follows the first edit.
    await ready(tab, `${url}?s=80-84-89-80-83-91&e=0501`);
    assert.deepEqual([(await shown(tab)).status, (await shown(tab)).errorCode], ['80 84 89 80 83 91', '0501']);
    await tab.focus('#MaskEdit1');
    await press(tab, ['9']);
    assert.equal(await tab.evaluate(async () => {
      await new Promise((done) => setTimeout(done, 300));
      return location.search + location.hash;
    }), '#s=908489808391&e=0501');
  },

  // The recent lines and codes come back with a tap, stay for the next visit,
  // compare in regalo-decode diff's words, and go when cleared; a browser that
  // refuses storage keeps nothing and says so.
  async recent({ tab, url, browser }) {
    const recent = () => tab.$$eval('#recent-list li button[data-kind]', (buttons) => buttons.map((b) => b.textContent));
    await ready(tab, url);
    await paste(tab, '#MaskEdit1', '80 84 89 80 83 91');
    await tab.focus('#MaskEdit2');
    await press(tab, ['0501', '{Enter}']);
    await tab.focus('#MaskEdit1');
    await press(tab, ['{Home}', '9', '{Enter}']);
    assert.deepEqual(await recent(), ['90 84 89 80 83 91', '0501', '80 84 89 80 83 91']);
    await ready(tab, url);
    assert.deepEqual(await recent(), ['90 84 89 80 83 91', '0501', '80 84 89 80 83 91']);
    // Each with the time it was taken.
    const times = await tab.$$eval('#recent-list li time', (all) => all.map((time) => time.textContent));
    assert.ok(times.length === 3 && times.every((time) => /^\d\d:\d\d$/.test(time)), times.join());
    await tab.click('#recent-caption');
    await tab.click('#recent-list li:nth-child(1) button[data-kind]');
    assert.equal((await shown(tab)).status, '90 84 89 80 83 91');
    await tab.click('#recent-list li:nth-child(3) button[data-compare]');
    // diff ends with 1 for lines that differ.
    const diff = spawnSync(process.env.REGALO_DECODE, ['diff', '80 84 89 80 83 91', '90 84 89 80 83 91'], { encoding: 'utf8' }).stdout;
    assert.equal(await tab.$eval('#comparison', (e) => e.textContent), diff.trimEnd());
    // A comparison is copied on its own.
    await tab.browserContext().overridePermissions(url, ['clipboard-read', 'clipboard-write']);
    await tab.click('#copy-comparison');
    await tab.waitForFunction(() => document.getElementById('copied').textContent !== '');
    assert.equal(await tab.evaluate(() => navigator.clipboard.readText()), diff.trimEnd());
    await tab.click('#clear-recent');
    await ready(tab, url);
    assert.deepEqual(await recent(), []);

    const refusing = await openTab(browser);
    await refusing.evaluateOnNewDocument(() => Object.defineProperty(window, 'localStorage', {
      get() { throw new DOMException('refused', 'SecurityError'); } }));
    await ready(refusing, url);
    await paste(refusing, '#MaskEdit1', '80 84 89 80 83 91');
    assert.equal(await refusing.$eval('#no-storage', (e) => e.hidden), false);
    assert.deepEqual(refusing.problems, []);
  },

  // The page server: what any web page can send it to 127.0.0.1 is answered
  // and it goes on; only GET and HEAD of the folder's files, compressed,
  // revalidated, with the host's headers; it runs from any checkout path;
  // and the page does nothing inside another site's frame.
  async server({ browser }) {
    const work = mkdtempSync(join(tmpdir(), 'regalo-serve-'));
    const folder = join(work, 'web');
    cpSync(distWeb, folder, { recursive: true, preserveTimestamps: true });
    symlinkSync('/etc/passwd', join(folder, 'leak'));
    const server = await serve(folder);
    const base = `http://127.0.0.1:${server.address().port}`;
    const ask = (path, { method = 'GET', headers = {} } = {}) => new Promise((done, fail) => {
      const request = httpRequest({ host: '127.0.0.1', port: server.address().port, path, method, headers }, (response) => {
        const body = [];
        response.on('data', (chunk) => body.push(chunk));
        response.on('end', () => done({ status: response.statusCode, headers: response.headers, body: Buffer.concat(body) }));
      });
      request.on('error', fail);
      request.end();
    });
    const raw = (line) => new Promise((done) => {
      const socket = connect(server.address().port, '127.0.0.1', () => socket.write(`${line}\r\nHost: x\r\n\r\n`));
      let answer = '';
      socket.on('data', (data) => { answer += data; });
      socket.on('close', () => done(answer.split(' ')[1]));
      socket.on('error', () => done('closed'));
    });
    const cases = [
      ['/%', {}, 400], ['/%ff', {}, 400], ['/%E0%A4%A', {}, 400], ['/leak', {}, 404], ['/../../etc/passwd', {}, 404],
      ['/', { method: 'POST' }, 405], ['/', { method: 'DELETE' }, 405], ['/', { method: 'TRACE' }, 405], ['/', { method: 'HEAD' }, 200],
      ['/_headers', {}, 404], ['/_headers/.', {}, 404], ['/_headers/x/..', {}, 404], ['/_headers%2f.', {}, 404],
      ['//sw.js', {}, 200, 'text/javascript'], ['/install-desktop.webp', {}, 200, 'image/webp'],
    ];
    for (const [path, options, status, type] of cases) {
      const answer = await ask(path, options);
      assert.deepEqual([answer.status, type && answer.headers['content-type'].split(';')[0]], [status, type], `${options.method || 'GET'} ${path}`);
    }
    assert.equal(await raw('GET http://[ HTTP/1.1'), '400');
    for (const [accepted, coding] of [['gzip', 'gzip'], ['gzip, deflate, br, zstd', 'br'], ['br;q=0, gzip', 'gzip'], ['identity', undefined]]) {
      assert.equal((await ask('/', { headers: { 'Accept-Encoding': accepted } })).headers['content-encoding'], coding, accepted);
    }
    const page = await ask('/', { headers: { 'Accept-Encoding': 'gzip' } });
    assert.deepEqual([page.status, page.headers['x-content-type-options']], [200, 'nosniff']);
    assert.match(page.headers['content-security-policy'], /frame-ancestors 'none'/);
    // As the build compressed it, not compressed on the request.
    assert.deepEqual((await ask('/', { headers: { 'Accept-Encoding': 'br' } })).body, readFileSync(join(folder, 'index.html.br')));
    // A page built again while it is served comes with its own headers.
    writeFileSync(join(folder, '_headers'), readFileSync(join(folder, '_headers'), 'utf8').replace("frame-ancestors 'none'", "frame-ancestors 'self'"));
    assert.match((await ask('/')).headers['content-security-policy'], /frame-ancestors 'self'/);
    writeFileSync(join(folder, '_headers'), readFileSync(join(distWeb, '_headers')));
    assert.equal((await ask('/icon.svg', { headers: { 'If-None-Match': page.headers.etag } })).status, 200);
    const icon = await ask('/icon.svg');
    assert.equal((await ask('/icon.svg', { headers: { 'If-None-Match': icon.headers.etag } })).status, 304);

    // scripts/web serve from a checkout under blanks, Cyrillic and a link.
    const odd = join(work, 'Папка с пробелом');
    mkdirSync(odd);
    symlinkSync(join(projectRoot, 'web/tools'), join(odd, 'tools'));
    const program = spawn(process.execPath, [join(odd, 'tools/serve.mjs'), folder, '0']);
    const banner = await new Promise((done) => {
      program.stdout.on('data', (data) => done(String(data)));
      program.on('exit', (code) => done(`exit ${code}`));
    });
    const port = banner.match(/127\.0\.0\.1:(\d+)/);
    assert.ok(port, banner);
    const fetched = await fetch(`http://127.0.0.1:${port[1]}/`);
    assert.equal(fetched.status, 200);
    program.kill();
    const busy = spawnSync(process.execPath, [join(projectRoot, 'web/tools/serve.mjs'), folder, String(server.address().port)],
      { encoding: 'utf8' });
    assert.deepEqual([busy.status, busy.stderr.trim().split('\n').length], [1, 1], busy.stderr);

    // Framed by another site: refused by the header, and by the page where a host sends none.
    const bareFolder = join(work, 'bare');
    cpSync(distWeb, bareFolder, { recursive: true, preserveTimestamps: true });
    rmSync(join(bareFolder, '_headers'));
    const bare = await serve(bareFolder);
    const outside = join(work, 'outside');
    mkdirSync(outside);
    writeFileSync(join(outside, 'frame.html'),
      `<iframe src="${base}/"></iframe><iframe src="http://127.0.0.1:${bare.address().port}/"></iframe>`);
    const host = await serve(outside);
    const framing = await openTab(browser);
    await framing.goto(`http://127.0.0.1:${host.address().port}/frame.html`, { waitUntil: 'load' });
    const [, headed, unheaded] = framing.frames();
    assert.equal(headed.url(), 'chrome-error://chromewebdata/', 'the header keeps the page out of the frame');
    await unheaded.waitForFunction(() => document.readyState === 'complete');
    assert.deepEqual(await unheaded.evaluate(() => [document.documentElement.hidden, document.body.dataset.ready ?? 'not ready']), [true, 'not ready']);
    host.close();
    bare.close();
    server.close();
    rmSync(work, { recursive: true, force: true });
  },

  // After the first visit the page opens and works with no network; the page
  // lost from its cache is put back online, and offline a line says it must
  // be opened online once.
  async offline({ tab, url }) {
    await ready(tab, url);
    await tab.evaluate(() => navigator.serviceWorker.ready);
    await ready(tab, url);
    await tab.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await tab.setOfflineMode(true);
    await ready(tab, url);
    await press(tab, ['81']);
    assert.equal((await shown(tab)).status, '81 80 80 80 80 80');

    // The page lost from the cache, with the server away (offline for the
    // worker too), then back: a line says what to do, then the cache is whole again.
    await tab.setOfflineMode(false);
    const own = await serve(distWeb);
    const port = own.address().port;
    const ownUrl = `http://127.0.0.1:${port}/`;
    await ready(tab, ownUrl);
    await tab.evaluate(() => navigator.serviceWorker.ready);
    await ready(tab, ownUrl);
    await tab.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await tab.evaluate(async () => {
      for (const name of await caches.keys()) {
        const cache = await caches.open(name);
        for (const request of await cache.keys()) if (new URL(request.url).pathname === '/') await cache.delete(request);
      }
    });
    own.closeAllConnections();
    await new Promise((done) => own.close(done));
    await tab.goto(ownUrl);
    assert.match(await tab.$eval('body', (e) => e.textContent), /^Правила страницы не загрузились.*один раз со связью\.The page's rules did not load/);
    const back = await serve(distWeb, port);
    await ready(tab, ownUrl);
    // Put back in its cache (waited for: the worker stores it after answering).
    await tab.waitForFunction(async () => (await Promise.all((await caches.keys()).map(async (name) =>
      (await (await caches.open(name)).keys()).some((r) => new URL(r.url).pathname === '/')))).some(Boolean));
    back.close();
  },

  // A new build reaches the user: with a host that lets browsers keep files
  // ten minutes, a visitor of build A sees build B within two reloads, told
  // of it by a line with a button, and its rules answer.
  async update({ browser }) {
    const work = mkdtempSync(join(tmpdir(), 'regalo-update-'));
    const site = join(work, 'site');
    cpSync(distWeb, site, { recursive: true, preserveTimestamps: true });
    const buildA = readFileSync(join(site, 'index.html'), 'utf8').match(/data-build="([0-9a-f]+)"/)[1];
    const buildB = 'b'.repeat(buildA.length);
    const server = await serve(site, 0, { cacheControl: 'max-age=600' });
    const url = `http://127.0.0.1:${server.address().port}/`;
    const context = await browser.createBrowserContext();
    const tab = await openTab(browser, { context });
    // What the page shows; the rules answer.
    const state = async () => {
      const seen = await tab.evaluate(() => ({
        page: document.documentElement.dataset.build,
        shown: document.getElementById('build').textContent,
      }));
      await tab.focus('#MaskEdit1');
      await press(tab, ['{Home}', '9']);
      seen.answers = (await shown(tab)).status.startsWith('90');
      return seen;
    };
    await ready(tab, url);
    await tab.evaluate(() => navigator.serviceWorker.ready);
    await ready(tab, url);
    await tab.waitForFunction(() => navigator.serviceWorker.controller !== null);
    for (const file of ['index.html', 'sw.js']) {
      writeFileSync(join(site, file), readFileSync(join(site, file), 'utf8').replaceAll(buildA, buildB));
    }
    const seen = [];
    for (let reload = 1; reload <= 2; ++reload) {
      await ready(tab, url);
      const now = await state();
      assert.ok(now.answers, `reload ${reload}: ${JSON.stringify(now)}`);
      seen.push(now.page);
      if (now.page === buildA) await tab.waitForSelector('#update:not([hidden])', { timeout: 10000 });
    }
    assert.equal(seen.at(-1), buildB, `builds seen: ${seen.join(', ')}`);
    assert.equal((await state()).shown, `сборка ${buildB}`);
    await context.close();
    server.close();
    rmSync(work, { recursive: true, force: true });
  },

  // Until its rules arrive the page says it is getting ready, and nothing
  // moves when they come; without them (no WebAssembly, or one the browser
  // refuses) it says so and how to mend it.
  async loading({ browser, url }) {
    const context = await browser.createBrowserContext();
    const tab = await openTab(browser, { context });
    // The rules held back until the test lets them go, in a browser that
    // compiles nothing at once (the page then waits for the browser).
    await tab.evaluateOnNewDocument(() => {
      const compile = WebAssembly.compile;
      const held = new Promise((done) => { globalThis.releaseRules = done; });
      const refused = () => { throw new RangeError('too large to compile at once'); };
      [WebAssembly.Module, WebAssembly.Instance] = [refused, refused];
      WebAssembly.compile = (...what) => held.then(() => compile(...what));
    });
    await tab.goto(url);
    await tab.waitForSelector('body[data-ready]');
    const places = () => tab.evaluate(() => ['MaskEdit1', 'GroupBox1', 'GroupBox7', 'Explanation'].map((id) => {
      const r = document.getElementById(id).getBoundingClientRect();
      return [id, r.top, r.left, r.width];
    }));
    const before = await places();
    assert.equal(await tab.$eval('#loading', (e) => e.textContent), 'Загружаю правила…');
    await tab.evaluate(() => globalThis.releaseRules());
    await tab.waitForSelector('body[data-rules]');
    assert.equal(await tab.$eval('#loading', (e) => e.textContent), '');
    assert.deepEqual(await places(), before);
    await context.close();
    // Each in a context of its own: a worker from an earlier visit would answer for the network.
    for (const breakIt of [
      () => { globalThis.WebAssembly = undefined; },
      () => {
        WebAssembly.Module = function Module() { throw new WebAssembly.CompileError('refused'); };
        WebAssembly.compile = () => Promise.reject(new WebAssembly.CompileError('refused'));
      },
    ]) {
      const fresh = await browser.createBrowserContext();
      const broken = await openTab(browser, { context: fresh });
      await broken.evaluateOnNewDocument(breakIt);
      await broken.goto(url);
      await broken.waitForSelector('body[data-failed]', { timeout: 10000 });
      assert.match(await broken.$eval('#loading', (e) => e.textContent), /^Правила страницы не загрузились: обновите её/);
      broken.problems.splice(0); // the module's own report of the refusal
      await fresh.close();
    }
  },

  // The single file, opened from disk.
  async singleFile({ tab }) {
    await ready(tab, pathToFileURL(singleFile).href);
    await press(tab, ['81']);
    await tab.focus('#MaskEdit2');
    await press(tab, ['0501', '{Enter}']);
    const now = await shown(tab);
    assert.deepEqual([now.status, now.description], ['81 80 80 80 80 80', 'Ошибка оборудования!\n Ошибка дисплея!']);
    // Opened from a file it has no address anyone else can open: the words go instead.
    await tab.click('#copy-link');
    // Said once the clipboard has taken the words, which it does in its own time.
    await tab.waitForFunction(() => document.querySelector('#copied').textContent !== '', { timeout: 5000 }).catch(() => {});
    assert.equal(await tab.$eval('#copied', (e) => e.textContent),
      'Страница открыта из файла, и ссылки на неё нет: скопирована расшифровка.');
    // The log's rules come inside the file too.
    await (await tab.$('#LogFile')).uploadFile(join(projectRoot, 'tests/logs/cp1251.log'));
    await tab.waitForFunction(() => document.getElementById('log-status').textContent === 'cp1251.log: показаний найдено: 3.');
  },

  // A log opened through LogFile: the records and the summary regalo-decode
  // finds in the same logs, "changes only", the chart's named lanes, a
  // filter from the summary, a row into the fields and back to it; pasted
  // lines in English; a log too long for a browser's element, reached by keys.
  async log({ tab, url }) {
    const logs = join(projectRoot, 'tests/logs');
    const expected = {};
    for (const line of readFileSync(join(logs, 'expected.tsv'), 'utf8').split('\n')) {
      if (!line || line.startsWith('#')) continue;
      const [file, ...record] = line.split('\t');
      (expected[file] ||= []).push(record.join('\t'));
    }
    const rows = () => tab.$$eval('#log-body tr[data-index]', (all) => all.map((row) => [
      row.querySelector('.line').textContent, row.querySelector('.time').textContent, row.dataset.kind,
      row.querySelector('.value').textContent].join('\t')));
    const open = async (path, shownRows) => {
      await (await tab.$('#LogFile')).uploadFile(path);
      await tab.waitForFunction((n) => document.getElementById('LogTimeline').getAttribute('aria-rowcount') === String(n + 1)
        && document.getElementById('log-progress').hidden && document.querySelectorAll('#log-body tr[data-index]').length > 0, {}, shownRows);
    };
    // The rows as drawn from the top, then the last one, reached by the keys.
    const allRows = async (count) => {
      const first = await rows();
      await tab.focus('#LogTimeline');
      await tab.keyboard.press('End');
      await tab.waitForFunction((n) => document.querySelector(`#log-body tr[data-index="${n - 1}"]`), {}, count);
      const last = await tab.$eval(`#log-body tr[data-index="${count - 1}"]`, (row) => [row.querySelector('.line').textContent,
        row.querySelector('.time').textContent, row.dataset.kind, row.querySelector('.value').textContent].join('\t'));
      await tab.keyboard.press('Home');
      return [...first, last];
    };
    // Set before a log is shown, when the switch is not in sight yet.
    const changesOnly = (on) => tab.$eval('#log-changes', (box, checked) => {
      box.checked = checked;
      box.dispatchEvent(new Event('change', { bubbles: true }));
    }, on);
    await ready(tab, url);
    await changesOnly(false);
    for (const [file, records] of Object.entries(expected)) {
      await open(join(logs, file), records.length);
      const seen = await allRows(records.length);
      assert.deepEqual(seen, [...records.slice(0, seen.length - 1), records.at(-1)], file);
      assert.equal(await tab.$eval('#log-status', (e) => e.textContent), `${file}: показаний найдено: ${records.length}.`);
      // The summary is regalo-decode's.
      const summary = execFileSync(process.env.REGALO_DECODE, ['scan', '--summary', '--json', join(logs, file)], { encoding: 'utf8' });
      assert.deepEqual(JSON.parse(await tab.$eval('#LogSummary', (e) => e.dataset.json)), JSON.parse(summary), file);
    }
    // shift.log, changes only: 8 of its 11 rows, the table's count with them.
    await open(join(logs, 'shift.log'), expected['shift.log'].length);
    await changesOnly(true);
    await tab.waitForFunction(() => document.getElementById('LogTimeline').getAttribute('aria-rowcount') === '9');
    // Its chart: the receipt state, the flags named with their byte, each code with its count; ticks under them.
    await tab.waitForFunction(() => document.querySelectorAll('#LogChart .lane').length > 0);
    const chart = await tab.$eval('#LogChart', (element) => ({
      lanes: [...element.querySelectorAll('.lane .name')].map((name) => name.textContent),
      legend: [...element.querySelectorAll('.legend .entry')].map((entry) => entry.textContent),
      ticks: element.querySelectorAll('.tick').length,
    }));
    assert.deepEqual(chart.lanes, ['Состояние чека', 'байт 1: (4) Закончилась чековая лента', 'байт 2: (1) Состояние чека',
      '0501 ×1', '0E05 ×1', '0301 ×1', '0000 ×1']);
    assert.deepEqual(chart.legend, ['8. Резерв', '9. Режим АННУЛИРОВАНИЕ']);
    assert.ok(chart.ticks >= 3, JSON.stringify(chart));
    // A code from the summary: its readings alone.
    await tab.click('#LogSummary button[data-filter="2:3589"]');
    await tab.waitForFunction(() => document.querySelectorAll('#log-body tr[data-index]').length === 1);
    assert.deepEqual((await rows()).map((row) => row.split('\t')[3]), ['0E05']);
    // A row's reading goes into the fields; the row stays marked, and the way back leads to it.
    await tab.click('#log-body tr[data-index]');
    assert.equal((await shown(tab)).errorCode, '0E05');
    assert.equal(await tab.$eval('#log-body tr.opened .value', (e) => e.textContent), '0E05');
    await tab.click('#log-back');
    assert.equal(await tab.evaluate(() => document.activeElement.id), 'LogTimeline');
    assert.ok(await tab.$eval('#log-back', (e) => e.hidden));
    await tab.select('#log-filter', '0:0');
    await tab.waitForFunction(() => document.getElementById('LogTimeline').getAttribute('aria-rowcount') === '9');
    await tab.click('#log-body tr:nth-child(3) td.words');
    assert.deepEqual((await shown(tab)).status, '80 84 89 80 83 91');
    // Lines pasted outside the fields, in English.
    await tab.click('#lang-en');
    await tab.evaluate(() => {
      const clipboardData = new DataTransfer();
      clipboardData.setData('text/plain', '10:00:01 <- 80 80 80 80 80 80\n10:00:02 <- 80 81 80 80 80 80\n');
      document.getElementById('log').dispatchEvent(new ClipboardEvent('paste', { clipboardData, bubbles: true, cancelable: true }));
    });
    await tab.waitForFunction(() => document.getElementById('log-status').textContent === 'Pasted lines: readings found: 2.');
    assert.equal(await tab.$eval('#log-body tr:nth-child(3) td.words', (e) => e.textContent),
      'Register status - byte 1 (printer state): + (1) Receipt paper running out\nReceipt state: 0. Document closed');
    // 1.2 million readings, too tall for a browser's element at their
    // height: the table has their count, a screenful of rows, and the keys
    // reach the last one.
    const big = join(mkdtempSync(join(tmpdir(), 'regalo-log-')), 'big.log');
    writeFileSync(big, Array.from({ length: 1200000 }, (_, i) => `ERR 0x0${i % 2 ? 501 : 301}`).join('\n'));
    await (await tab.$('#LogFile')).uploadFile(big);
    await tab.waitForFunction(() => document.getElementById('LogTimeline').getAttribute('aria-rowcount') === '1200001'
      && document.getElementById('log-progress').hidden, { timeout: 60000 });
    const table = await tab.$eval('#LogTimeline', (t) => ({ drawn: t.querySelectorAll('tbody tr').length, height: t.scrollHeight }));
    assert.ok(table.drawn < 200, `${table.drawn} rows laid out`);
    assert.ok(table.height < 33554430, `${table.height} px`);
    await tab.focus('#LogTimeline');
    await tab.keyboard.press('End');
    await tab.waitForFunction(() => [...document.querySelectorAll('#log-body td.line')].some((cell) => cell.textContent === '1200000'));
    await tab.keyboard.press('ArrowUp');
    await tab.waitForFunction(() => document.querySelector('#log-body tr.current .line').textContent === '1199999');
    // Scrolled to the end: the last rows too.
    await tab.$eval('#log-rows', (scroller) => { scroller.scrollTop = 0; });
    await tab.$eval('#log-rows', (scroller) => { scroller.scrollTop = scroller.scrollHeight; });
    await tab.waitForFunction(() => [...document.querySelectorAll('#log-body td.line')].some((cell) => cell.textContent === '1200000'));
  },

  // A phone: one column, nothing sideways, big enough targets, the keypad under the field.
  async phone({ tab, url, puppeteer }) {
    await tab.emulate(puppeteer.devices['Pixel 5']);
    await ready(tab, url);
    const layout = await tab.evaluate(() => {
      const rect = (id) => document.getElementById(id).getBoundingClientRect();
      const heights = [...document.querySelectorAll('.boxes label, #keypad button, button, select, input[type=text]')]
        .filter((e) => e.getClientRects().length > 0).map((e) => e.getBoundingClientRect().height);
      return {
        sideways: document.scrollingElement.scrollWidth - innerWidth,
        smallest: Math.min(...heights),
        font: parseFloat(getComputedStyle(document.querySelector('.boxes label')).fontSize),
        keypadBelowField: !document.getElementById('keypad').hidden && rect('keypad').top >= rect('MaskEdit1').bottom,
        oneColumn: rect('GroupBox2').left === rect('GroupBox1').left,
      };
    });
    assert.deepEqual(layout, { sideways: 0, smallest: layout.smallest, font: layout.font, keypadBelowField: true, oneColumn: true });
    assert.ok(layout.smallest >= 24 && layout.font >= 16, `targets ${layout.smallest} px, text ${layout.font} px`);
    for (const key of ['1', '→', '→', 'F']) await tab.tap(`#keypad button:nth-child(${[...'0123456789ABCDEF←→⌫'].indexOf(key) + 1})`);
    assert.equal((await shown(tab)).status, '90 8F 80 80 80 80');
    // A phone keyboard's text arrives as beforeinput, not as keys.
    await tab.$eval('#MaskEdit1', (field) => field.dispatchEvent(
      new InputEvent('beforeinput', { inputType: 'insertText', data: '1', cancelable: true, bubbles: true })));
    assert.equal((await shown(tab)).status, '90 8F 90 80 80 80');
    await tab.evaluate(() => window.scrollTo(0, document.body.scrollHeight));
    const field = await tab.$eval('#MaskEdit1', (e) => { const r = e.getBoundingClientRect(); return r.top >= 0 && r.bottom <= innerHeight; });
    assert.ok(field, 'the status field stays in view');
    // The code's keypad comes into view with its field, holds the phone's keyboard back, and goes with the focus.
    await tab.tap('#MaskEdit2');
    await tab.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
    const keypad = await tab.evaluate(() => {
      const inView = (id) => { const r = document.getElementById(id).getBoundingClientRect(); return r.top >= 0 && r.bottom <= innerHeight + 1; };
      return [document.getElementById('keypad').hidden, inView('MaskEdit2') && inView('keypad'), document.getElementById('MaskEdit2').inputMode];
    });
    assert.deepEqual(keypad, [false, true, 'none']);
    await tab.tap('#CheckBox1');
    assert.deepEqual(await tab.evaluate(() => [document.getElementById('keypad').hidden, document.getElementById('MaskEdit2').inputMode]),
      [true, '']);
  },

  // axe-core finds nothing, on a computer and on a phone, light and dark; every
  // control is in the browser's accessibility tree at every size; a focused
  // control is never wholly under the sticky strip; with WCAG's text spacing
  // the list covers no caption; English captions and the keypad's arrows are named.
  async accessibility({ tab, url, puppeteer }) {
    const axe = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
    const phone = puppeteer.devices['Pixel 5'];
    await tab.setBypassCSP(true);
    for (const [device, scheme] of [[null, 'light'], [null, 'dark'], [phone, 'light'], [phone, 'dark']]) {
      if (device) await tab.emulate(device);
      await tab.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
      await ready(tab, url);
      // With a log's timeline on show.
      await (await tab.$('#LogFile')).uploadFile(join(projectRoot, 'tests/logs/shift.log'));
      await tab.waitForFunction(() => document.querySelectorAll('#LogChart .set').length > 0);
      await tab.addScriptTag({ path: axe });
      const violations = await tab.evaluate(async () => (await axe.run(document)).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
      assert.deepEqual(violations, [], `${device ? 'phone' : 'computer'}, ${scheme}`);
    }
    assert.deepEqual(await tab.$$eval('#keypad [aria-label]', (keys) => keys.map((k) => k.getAttribute('aria-label'))),
      ['Влево', 'Вправо', 'Стереть', 'Ввод']);
    assert.deepEqual(await tab.$$eval('.boxes span[lang=en]', (spans) => spans.map((s) => s.textContent)),
      ['(1) SIMError', '(2) Memory Card Error', '(8) Memory Card Error (hardware)']);

    const sizes = [['320x256', { width: 320, height: 256 }], ['computer', { width: 1000, height: 800 }], ['phone', phone]];
    for (const [name, size] of sizes) {
      if (size.viewport) await tab.emulate(size);
      else await tab.setViewport(size);
      await ready(tab, url);
      const roles = {};
      const walk = (node) => {
        roles[node.role] = (roles[node.role] || 0) + 1;
        (node.children || []).forEach(walk);
      };
      walk(await tab.accessibility.snapshot({ interestingOnly: false }));
      assert.deepEqual([roles.checkbox, roles.textbox, roles.combobox > 0], [48, 2, true], `${name}: the accessibility tree`);
      // Backwards through every control: none wholly under the strip.
      await tab.focus('#Button2');
      const hidden = [];
      for (let i = 0; i < 60; ++i) {
        await press(tab, ['{Shift+Tab}']);
        const under = await tab.evaluate(() => {
          const strip = document.getElementById('top');
          const focused = document.activeElement;
          if (getComputedStyle(strip).position !== 'sticky' || strip.contains(focused) || focused === document.body) return null;
          const [r, cover] = [focused.getBoundingClientRect(), strip.getBoundingClientRect()];
          return r.top >= cover.top && r.bottom <= cover.bottom ? focused.id || focused.textContent : null;
        });
        if (under) hidden.push(under);
      }
      assert.deepEqual(hidden, [], `${name}: focused under the strip`);
    }

    await tab.setViewport({ width: 1000, height: 800 });
    for (const width of [800, 1000, 1400]) {
      await tab.setViewport({ width, height: 800 });
      await ready(tab, url);
      await tab.addStyleTag({ content: '* { line-height: 1.5 !important; letter-spacing: 0.12em !important; word-spacing: 0.16em !important; }'
        + ' p { margin-bottom: 2em !important; }' });
      const covered = await tab.evaluate(() => {
        const list = document.getElementById('ComboBox1').getBoundingClientRect();
        return [33, 34].filter((n) => {
          const caption = document.getElementById(`CheckBox${n}`).nextElementSibling.getBoundingClientRect();
          return caption.right > list.left && caption.left < list.right && caption.bottom > list.top && caption.top < list.bottom;
        });
      });
      assert.deepEqual(covered, [], `${width} px: captions under the list with text spacing`);
    }
  },

  // English for an English browser; the switch is remembered.
  async english({ tab, url }) {
    // The page comes written in Russian: none of it is drawn before the English is in.
    await tab.evaluateOnNewDocument(() => {
      new MutationObserver((_, observer) => {
        if (!document.getElementById('Label3')) return;
        observer.disconnect();
        globalThis.russianDrawn = getComputedStyle(document.body).display !== 'none';
      }).observe(document, { childList: true, subtree: true });
    });
    await ready(tab, url);
    assert.equal(await tab.evaluate(() => globalThis.russianDrawn), false);
    const label = () => tab.$eval('#Label3', (e) => e.textContent);
    assert.equal(await label(), 'Register status bytes');
    await tab.focus('#MaskEdit2');
    await press(tab, ['0501', '{Enter}']);
    assert.equal((await shown(tab)).description, 'Hardware error!\n Display error!');
    assert.equal(await tab.$eval('#Explanation', (e) => e.textContent),
      '80 80 80 80 80 80\nReceipt state: 0. Document closed\n\n0501: Hardware error! Display error!');
    await paste(tab, '#MaskEdit1', '80 84 89 80 83');
    assert.equal((await shown(tab)).message, 'wrong number of bytes: 5 instead of 6');
    await tab.click('#lang-ru');
    assert.deepEqual([await label(), (await shown(tab)).description], ['Байты состояния регистратора', 'Ошибка оборудования!\n Ошибка дисплея!']);
    await ready(tab, url);
    assert.equal(await label(), 'Байты состояния регистратора');
  },
};

const name = process.argv[2];
if (!suites[name]) {
  console.error(`usage: node run.mjs ${Object.keys(suites).join('|')}`);
  process.exit(2);
}
const puppeteer = await loadPuppeteer();
const server = await serve(distWeb);
const browser = await launch(puppeteer);
let failed = false;
try {
  const tab = await openTab(browser, { languages: name === 'english' ? ['en-US', 'en'] : ['ru-RU', 'ru'] });
  await suites[name]({ tab, url: `http://127.0.0.1:${server.address().port}/`, puppeteer, browser });
  assert.deepEqual(tab.problems, [], 'the page reported problems');
  console.log(`${name}: passed`);
} catch (error) {
  failed = true;
  console.error(`${name}: ${error.stack || error}`);
} finally {
  await browser.close();
  server.close();
}
process.exit(failed ? 1 : 0);
