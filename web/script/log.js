// The log view: a log opened, dropped or pasted is read where the page never
// waits on it (logRead.js), and drawn as the rules give it: its summary,
// the filter's choices, the chart and the rows in sight. A row's reading
// goes into the fields as a link would put it; the row stays marked, and a
// control brings the log back to it.
import { BOUNDARY } from './boundary.js';
import { $ } from './dom.js';
import { fields } from './draw.js';
import { act } from './events.js';
import { hideKeypad } from './keypad.js';
import { askChart, drawChart } from './logChart.js';
import { askLog, listenToLog } from './logRead.js';
import { inEnglish, shownLog } from './logState.js';
import { drawSummary } from './logSummary.js';
import { askRows, currentRow, drawRows, redrawMarks, resetRows, rowKey, showRow } from './logTable.js';
import { app } from './state.js';
import { words } from './texts.js';

const ALL = () => [BOUNDARY.logFilters.all, 0];

function say() {
  const said = words();
  let text = '';
  if (shownLog.failed) text = said.logFailed.replace('%1', shownLog.name).replace('%2', shownLog.failed);
  else if (!shownLog.done && shownLog.name) text = said.logReading.replace('%1', shownLog.name).replace('%2', String(Math.floor(shownLog.read * 100)));
  else if (shownLog.done && shownLog.found === 0) text = said.logNone.replace('%1', shownLog.name);
  else if (shownLog.done) text = said.logFound.replace('%1', shownLog.name).replace('%2', String(shownLog.found));
  if (shownLog.done && shownLog.shown !== shownLog.found) text += ` ${said.logShown.replace('%1', String(shownLog.shown)).replace('%2', String(shownLog.found))}`;
  $('log-status').textContent = text;
  $('log-progress').hidden = shownLog.done || !shownLog.name || Boolean(shownLog.failed);
  $('log-progress').value = shownLog.read;
  $('log-view').hidden = shownLog.found === 0;
}

function drawChoices(choices) {
  const filter = $('log-filter');
  const chosen = filter.value;
  const option = (value, text) => Object.assign(document.createElement('option'), { value, textContent: text });
  filter.replaceChildren(option(ALL().join(':'), words().logAll), ...choices.map(({ filter: which, name }) => option(which.join(':'), name)));
  filter.value = [...filter.options].some((o) => o.value === chosen) ? chosen : ALL().join(':');
}

function show() {
  askLog({ kind: 'show', filter: shownLog.filter || ALL(), changesOnly: shownLog.changesOnly });
}

function answered(answer) {
  switch (answer.kind) {
    case 'progress':
    case 'done':
      Object.assign(shownLog, { found: answer.found, shown: answer.shown, read: answer.kind === 'done' ? 1 : answer.read });
      drawSummary(answer.summary);
      if (answer.kind === 'done') {
        shownLog.done = true;
        askLog({ kind: 'choices', english: inEnglish() });
        askChart();
      }
      say();
      // The first rows as soon as there are any, and the rest as they come.
      askRows(answer.kind === 'done' || $('log-body').children.length < 8);
      break;
    case 'shown':
      Object.assign(shownLog, { found: answer.found, shown: answer.shown });
      $('log-rows').scrollTop = 0;
      say();
      askRows(true);
      break;
    case 'rows':
      drawRows(answer);
      say();
      break;
    case 'choices':
      drawChoices(answer.choices);
      break;
    case 'chart':
      drawChart(answer.chart);
      break;
    case 'summary':
      drawSummary(answer.summary);
      break;
    case 'failed':
      shownLog.failed = answer.message;
      say();
      break;
    default:
      break;
  }
}

// A log from a file or pasted text (a Blob), named as the page shows it.
function readLog(source, name) {
  Object.assign(shownLog, { id: shownLog.id + 1, name, read: 0, found: 0, shown: 0, done: false, failed: '', filter: null, opened: -1 });
  resetRows();
  $('LogChart').replaceChildren($('log-chart-caption'));
  $('LogSummary').replaceChildren();
  $('log-filter').replaceChildren();
  $('log-back').hidden = true;
  // A log on show takes the room the keypad would.
  for (const field of Object.values(fields)) {
    hideKeypad(field);
    if (document.activeElement === field) field.blur();
  }
  say();
  askLog({ kind: 'read', source, english: inEnglish() });
  show();
}

// Asked again in the other language.
export function redrawLog() {
  if (!shownLog.done || shownLog.found === 0) return;
  say();
  askLog({ kind: 'summary', english: inEnglish() });
  askLog({ kind: 'choices', english: inEnglish() });
  askChart();
  askRows(true);
}

function filterBy(value) {
  $('log-filter').value = value;
  shownLog.filter = value.split(':').map(Number);
  show();
}

// The row's reading into the fields, the row marked, and the way back to it.
function openRow(row) {
  if (!row || row.dataset.kind === 'unreadable') return null;
  const [kind, value, index] = [row.dataset.kind, row.querySelector('.value').textContent, Number(row.dataset.index)];
  return () => {
    app.page.openLink(kind === 'status' ? value : '', kind === 'error' ? value : '');
    shownLog.opened = index;
    redrawMarks();
    $('log-back').hidden = false;
    (kind === 'status' ? $('top') : $('GroupBox7')).scrollIntoView({ block: 'nearest' });
  };
}

export function wireLog() {
  listenToLog(answered);
  $('log-changes').checked = shownLog.changesOnly;
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
  $('log-filter').addEventListener('change', (e) => filterBy(e.target.value));
  $('LogSummary').addEventListener('click', (e) => {
    if (e.target.dataset.filter) filterBy(e.target.dataset.filter);
  });
  $('log-changes').addEventListener('change', (e) => {
    shownLog.changesOnly = e.target.checked;
    show();
  });
  $('log-body').addEventListener('click', act((e) => openRow(e.target.closest('tr[data-index]'))));
  $('LogTimeline').addEventListener('keydown', act((e) => {
    if (e.key === 'Enter') return openRow(currentRow());
    if (rowKey(e.key)) e.preventDefault();
    return null;
  }));
  $('log-back').addEventListener('click', () => {
    $('log-back').hidden = true;
    $('log-rows').scrollIntoView({ block: 'nearest' });
    $('LogTimeline').focus({ preventScroll: true });
    showRow(shownLog.opened);
  });
  let resized = 0;
  new ResizeObserver(() => {
    clearTimeout(resized);
    resized = setTimeout(() => {
      if (shownLog.done && shownLog.found > 0) askChart();
    }, 150);
  }).observe($('LogChart'));
}
