// The log view: a log opened, dropped or pasted is read where the page never
// waits on it (logHost.js in a worker, with the log's own rules), and its
// timeline drawn as the rules give it: counts, the rows in sight, the
// filter's choices and the chart.
// A row's reading goes into the fields as a link would put it.
import { bindRules } from './bindRules.js';
import { BOUNDARY } from './boundary.js';
import { $ } from './dom.js';
import { act } from './events.js';
import { logHost } from './logHost.js';
import { rulesImports } from './rulesImports.js';
import { app } from './state.js';
import { words } from './texts.js';
import { decodeWasmText } from './wasmText.js';

const LOG_WORKER = '@LOGWORKER@';
const SVG = 'http://www.w3.org/2000/svg';
// Rows drawn beyond those in sight, above and below.
const SPARE = 10;

const log = {
  id: 0, // the log on show; answers about another are dropped
  connection: null, // a promise of the call that asks where the log is read
  name: '',
  read: 0,
  found: 0,
  shown: 0,
  done: false,
  failed: '',
  drawnFrom: -1,
  drawnCount: 0,
};

const english = () => app.language === 'en';
const rowHeight = () => parseFloat(getComputedStyle($('LogTimeline')).getPropertyValue('--row')) || 40;

// The log's rules, a module of their own: carried inside the single file
// (read once a log is opened), else a file of the page's, fetched then.
async function logModule() {
  const carried = $('log-rules');
  if (carried) return WebAssembly.compile(decodeWasmText(carried.textContent));
  const response = await fetch('log.wasm');
  if (!response.ok) throw new Error(`log.wasm: ${response.status}`);
  return WebAssembly.compile(await response.arrayBuffer());
}

// The log is read in a worker that starts the log's module; where the
// browser refuses one (a page opened from a file, say), the page reads it
// itself, between its other work.
async function connect() {
  const module = await logModule();
  const inPage = async () => {
    const { exports } = await WebAssembly.instantiate(module, rulesImports);
    exports._initialize();
    const host = logHost(bindRules(exports, BOUNDARY.logCalls), (answer) => setTimeout(() => answered(answer)));
    return (ask) => setTimeout(() => host(ask));
  };
  if (typeof Worker !== 'function') return inPage();
  let worker;
  try {
    worker = new Worker(URL.createObjectURL(new Blob([LOG_WORKER], { type: 'text/javascript' })));
  } catch (e) {
    return inPage();
  }
  // A worker that fails (its start refused, say) hands the log to the page.
  let lastRead = null;
  let send = (ask) => worker.postMessage(ask);
  worker.onmessage = ({ data }) => answered(data);
  worker.onerror = async (event) => {
    event.preventDefault();
    worker.terminate();
    send = await inPage();
    if (lastRead) send(lastRead);
  };
  worker.postMessage({ module, calls: BOUNDARY.logCalls });
  return (ask) => {
    if (ask.read) lastRead = ask;
    send(ask);
  };
}

// Asks wait for the log's rules the first time.
function ask(message) {
  if (!log.connection) {
    log.connection = connect();
    // Tried again for the next log (the page back online, say).
    log.connection.catch(() => { log.connection = null; });
  }
  const id = log.id;
  log.connection.then((send) => send({ id, ...message }), (error) => answered({ id, failed: String(error.message || error) }));
}

function say() {
  const said = words();
  let text = '';
  if (log.failed) text = said.logFailed.replace('%1', log.name).replace('%2', log.failed);
  else if (!log.done && log.name) text = said.logReading.replace('%1', log.name).replace('%2', String(Math.floor(log.read * 100)));
  else if (log.done && log.found === 0) text = said.logNone.replace('%1', log.name);
  else if (log.done) text = said.logFound.replace('%1', log.name).replace('%2', String(log.found));
  if (log.done && log.shown !== log.found) text += ` ${said.logShown.replace('%1', String(log.shown)).replace('%2', String(log.found))}`;
  $('log-status').textContent = text;
  $('log-progress').hidden = log.done || !log.name || Boolean(log.failed);
  $('log-progress').value = log.read;
  $('log-view').hidden = log.found === 0;
}

// The rows in sight, and some on either side, asked for when they are not drawn.
function askRows(force = false) {
  const scroller = $('log-rows');
  const height = rowHeight();
  const from = Math.max(0, Math.floor(scroller.scrollTop / height) - SPARE);
  const count = Math.ceil(scroller.clientHeight / height) + 2 * SPARE;
  const drawnEnough = log.drawnFrom >= 0 && from >= log.drawnFrom && Math.min(from + count, log.shown) <= log.drawnFrom + log.drawnCount;
  if (!force && drawnEnough) return;
  ask({ rows: [from, count], english: english() });
}

function cell(row, text, className) {
  const td = document.createElement('td');
  td.textContent = text;
  if (className) td.className = className;
  row.append(td);
  return td;
}

function spacer(height) {
  const row = document.createElement('tr');
  row.className = 'spacer';
  row.setAttribute('aria-hidden', 'true');
  row.style.height = `${height}px`;
  return row;
}

// A screenful of rows between two spacers that keep the table its whole height.
function drawRows({ rowsFrom, rows, shown }) {
  log.shown = shown;
  log.drawnFrom = rowsFrom;
  log.drawnCount = rows.length;
  const height = rowHeight();
  const drawn = rows.map(({ kind, line, time, value, words: said }, i) => {
    const row = document.createElement('tr');
    row.setAttribute('aria-rowindex', String(rowsFrom + i + 2));
    row.className = kind;
    cell(row, time, 'time');
    cell(row, String(line), 'line');
    const open = document.createElement('button');
    open.type = 'button';
    open.textContent = value;
    open.dataset.kind = kind;
    cell(row, '', 'value').append(open);
    cell(row, said, 'words').title = said;
    return row;
  });
  $('LogTimeline').setAttribute('aria-rowcount', String(shown + 1));
  $('log-body').replaceChildren(spacer(rowsFrom * height), ...drawn, spacer(Math.max(0, shown - rowsFrom - rows.length) * height));
  say();
}

function drawChoices(choices) {
  const said = words();
  const filter = $('log-filter');
  const chosen = filter.value;
  const option = (value, text) => Object.assign(document.createElement('option'), { value, textContent: text });
  filter.replaceChildren(option('0:0', said.logAll),
    ...choices.flags.map(({ flag, caption }) => option(`1:${flag}`, caption)),
    ...choices.codes.map(({ code, text }) => option(`2:${code}`, `${said.logCode} ${text}`)));
  filter.value = [...filter.options].some((o) => o.value === chosen) ? chosen : '0:0';
}

function svg(name, attributes, text) {
  const element = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
  if (text !== undefined) element.textContent = text;
  return element;
}

// One lane a flag that changed, a bar where it was set; the codes as marks
// on a lane of their own; the log's first and last time (or line) below.
function drawChart({ axis, from, to, codes, rows }) {
  const chart = $('LogChart');
  const width = chart.clientWidth || 300;
  const [caption, bar, gap] = [16, 10, 6];
  const lane = caption + bar + gap;
  const height = (rows.length + 1) * lane + caption;
  chart.setAttribute('viewBox', `0 0 ${width} ${height}`);
  chart.setAttribute('height', String(height));
  const parts = [];
  // A lane's bars as one path, and each code's marks as one: a long log
  // has thousands of them.
  const bars = (spans, top, tall) => spans.map(([first, last]) => `M${first} ${top}h${last - first + 1}v${tall}h${first - last - 1}z`).join('');
  rows.forEach(({ caption: text, spans }, i) => {
    const top = i * lane;
    parts.push(svg('text', { x: 0, y: top + caption - 4, class: 'caption' }, text));
    parts.push(svg('rect', { x: 0, y: top + caption, width, height: bar, class: 'lane' }));
    if (spans.length) parts.push(svg('path', { d: bars(spans, top + caption, bar), class: 'set' }));
  });
  const errors = rows.length * lane;
  parts.push(svg('text', { x: 0, y: errors + caption - 4, class: 'caption' }, words().logErrors));
  parts.push(svg('rect', { x: 0, y: errors + caption, width, height: bar, class: 'lane' }));
  for (const { code, count, columns } of codes) {
    const mark = svg('path', { d: bars(columns.map((column) => [Math.max(0, column - 1), Math.max(0, column - 1) + 2]), errors + caption - 2, bar + 4), class: 'error' });
    mark.append(svg('title', {}, count > 1 ? `${code} ×${count}` : code));
    parts.push(mark);
  }
  const bottom = height - 4;
  parts.push(svg('text', { x: 0, y: bottom, class: 'axis' }, axis === 'line' ? `${words().logLine} ${from}` : from));
  parts.push(svg('text', { x: width, y: bottom, class: 'axis end' }, axis === 'line' ? `${words().logLine} ${to}` : to));
  // Its title stays: the chart's name for screen readers, whose text is the table.
  chart.replaceChildren($('log-chart-caption'), ...parts);
}

function askChart() {
  ask({ chart: Math.max(100, Math.floor($('LogChart').clientWidth || 300)), english: english() });
}

function answered(answer) {
  if (answer.id !== log.id) return;
  if ('found' in answer) [log.found, log.shown] = [answer.found, answer.shown];
  if (answer.failed) log.failed = answer.failed;
  if ('read' in answer) log.read = answer.read;
  if (answer.done) {
    log.done = true;
    ask({ choices: true, english: english() });
    askChart();
  }
  if (answer.rows) drawRows(answer);
  else if (answer.choices) drawChoices(answer.choices);
  else if (answer.chart) drawChart(answer.chart);
  else if (answer.shownBy) {
    $('log-rows').scrollTop = 0;
    askRows(true);
  } else {
    say();
    // The first rows as soon as there are any, and the rest as they come.
    if (log.drawnCount < Math.ceil($('log-rows').clientHeight / rowHeight()) || answer.done) askRows(true);
  }
}

// A log from a file or pasted text (a Blob), named as the page shows it.
function readLog(source, name) {
  Object.assign(log, { id: log.id + 1, name, read: 0, found: 0, shown: 0, done: false, failed: '', drawnFrom: -1, drawnCount: 0 });
  $('log-body').replaceChildren();
  $('LogChart').replaceChildren($('log-chart-caption'));
  $('log-filter').replaceChildren();
  $('log-rows').scrollTop = 0;
  say();
  ask({ read: source });
}

// Asked again in the other language.
export function redrawLog() {
  if (!log.done || log.found === 0) return;
  say();
  ask({ choices: true, english: english() });
  askChart();
  askRows(true);
}

export function wireLog() {
  $('LogFile').addEventListener('change', (e) => {
    const file = e.target.files[0];
    if (file) readLog(file, file.name);
    e.target.value = '';
  });
  // A file dropped anywhere on the page.
  document.addEventListener('dragover', (e) => {
    if (e.dataTransfer && [...e.dataTransfer.types].includes('Files')) e.preventDefault();
  });
  document.addEventListener('drop', (e) => {
    const file = e.dataTransfer && e.dataTransfer.files[0];
    if (!file) return;
    e.preventDefault();
    readLog(file, file.name);
  });
  // Several lines pasted outside the fields: a piece of a log.
  document.addEventListener('paste', (e) => {
    if (e.target instanceof HTMLInputElement || !e.clipboardData) return;
    const text = e.clipboardData.getData('text/plain');
    if (!/[\r\n]/.test(text.trim())) return;
    e.preventDefault();
    readLog(new Blob([text]), words().logPasted);
  });
  $('log-rows').addEventListener('scroll', () => requestAnimationFrame(() => askRows()), { passive: true });
  $('log-filter').addEventListener('change', (e) => ask({ show: e.target.value.split(':').map(Number) }));
  $('log-body').addEventListener('click', act((e) => {
    const row = e.target.closest('tr');
    const open = row && row.querySelector('button');
    if (!open) return null;
    const [kind, value] = [open.dataset.kind, open.textContent];
    return () => {
      app.page.openLink(kind === 'status' ? value : '', kind === 'error' ? value : '');
      $('explanation').scrollIntoView({ block: 'nearest' });
    };
  }));
  let resized = 0;
  new ResizeObserver(() => {
    clearTimeout(resized);
    resized = setTimeout(() => {
      if (log.done && log.found > 0) askChart();
    }, 150);
  }).observe($('LogChart'));
}
