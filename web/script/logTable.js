// The log's table: a screenful of rows at a time between two spacers that
// keep the scroller its whole height, rows as tall as their words need. A
// log too long for a browser's element (some 33 million pixels) gets a
// scroll range scaled down to fit, each position standing for a row; the
// keys reach every row either way.
import { $ } from './dom.js';
import { askLog } from './logRead.js';
import { shownLog } from './logState.js';

// Below every browser's limit on an element's height.
const TALLEST = 15000000;
// Rows drawn beyond those in sight, below them.
const SPARE = 10;

const table = {
  from: -1, // the first row drawn
  count: 0,
  estimate: 0, // a row's height on average, as measured
  measured: 0,
  current: 0, // the row the keys are at
};

const scroller = () => $('log-rows');
const estimate = () => table.estimate || 40;

function range() {
  const whole = shownLog.shown * estimate();
  const height = Math.min(whole, TALLEST);
  return { height, scaled: whole > TALLEST };
}

// The row at the top of the scroller's view.
function firstInView() {
  const { height, scaled } = range();
  const view = scroller();
  if (!scaled) return Math.floor(view.scrollTop / estimate());
  const inView = Math.ceil(view.clientHeight / estimate());
  const room = Math.max(1, height - view.clientHeight);
  return Math.min(Math.max(0, shownLog.shown - inView), Math.floor((view.scrollTop / room) * Math.max(0, shownLog.shown - inView)));
}

// The rows in sight, and some below, asked for when they are not drawn.
export function askRows(force = false) {
  const from = firstInView();
  const count = Math.ceil(scroller().clientHeight / estimate()) + SPARE;
  const drawnEnough = table.from >= 0 && from >= table.from && Math.min(from + count, shownLog.shown) <= table.from + table.count;
  if (force || !drawnEnough) askLog({ kind: 'rows', from, count });
}

function cell(row, text, className) {
  const td = document.createElement('td');
  td.textContent = text;
  td.className = className;
  row.append(td);
  return td;
}

function spacer(height) {
  const row = document.createElement('tr');
  row.className = 'spacer';
  row.setAttribute('aria-hidden', 'true');
  row.style.height = `${Math.max(0, height)}px`;
  return row;
}

function marks(row, index) {
  row.classList.toggle('opened', index === shownLog.opened);
  row.classList.toggle('current', index === table.current);
  row.setAttribute('aria-selected', String(index === table.current));
}

export function drawRows({ rowsFrom, rows, shown }) {
  shownLog.shown = shown;
  table.from = rowsFrom;
  table.count = rows.length;
  const drawn = rows.map(({ kind, line, time, value, words: said }, i) => {
    const row = document.createElement('tr');
    row.id = `log-row-${rowsFrom + i}`;
    row.dataset.index = String(rowsFrom + i);
    row.dataset.kind = kind;
    row.setAttribute('aria-rowindex', String(rowsFrom + i + 2));
    row.className = kind;
    cell(row, time, 'time');
    cell(row, String(line), 'line');
    cell(row, value, 'value');
    cell(row, said, 'words');
    marks(row, rowsFrom + i);
    return row;
  });
  const { height, scaled } = range();
  const view = scroller();
  const top = scaled ? view.scrollTop : rowsFrom * estimate();
  const above = spacer(top);
  const below = spacer(0);
  $('LogTimeline').setAttribute('aria-rowcount', String(shown + 1));
  $('log-body').replaceChildren(above, ...drawn, below);
  // Heights as drawn: the first rows of a log set the estimate.
  const tall = drawn.reduce((sum, row) => sum + row.offsetHeight, 0);
  if (drawn.length && table.measured < 200) {
    table.estimate = (estimate() * table.measured + tall) / (table.measured + drawn.length);
    table.measured += drawn.length;
  }
  below.style.height = `${Math.max(0, height - top - tall)}px`;
  const current = $(`log-row-${table.current}`);
  if (current) $('LogTimeline').setAttribute('aria-activedescendant', current.id);
}

export function resetRows() {
  Object.assign(table, { from: -1, count: 0, estimate: 0, measured: 0, current: 0 });
  $('log-body').replaceChildren();
  scroller().scrollTop = 0;
  $('LogTimeline').removeAttribute('aria-activedescendant');
}

export function redrawMarks() {
  for (const row of $('log-body').querySelectorAll('tr[data-index]')) marks(row, Number(row.dataset.index));
}

// Brings a row into view: where it stands, or where the scaled range puts it.
export function showRow(index) {
  table.current = Math.max(0, Math.min(index, shownLog.shown - 1));
  const { height, scaled } = range();
  const view = scroller();
  const inView = Math.ceil(view.clientHeight / estimate());
  if (scaled) view.scrollTop = (table.current / Math.max(1, shownLog.shown - inView)) * Math.max(0, height - view.clientHeight);
  else if (table.current < firstInView() || table.current >= firstInView() + inView - 1)
    view.scrollTop = Math.max(0, (table.current - Math.floor(inView / 2)) * estimate());
  redrawMarks();
  askRows(true);
}

// The keys move through the rows; Enter opens the one they are at.
export function rowKey(key) {
  const inView = Math.max(1, Math.floor(scroller().clientHeight / estimate()) - 1);
  const moves = { ArrowDown: 1, ArrowUp: -1, PageDown: inView, PageUp: -inView };
  if (key in moves) showRow(table.current + moves[key]);
  else if (key === 'Home') showRow(0);
  else if (key === 'End') showRow(shownLog.shown - 1);
  else return false;
  return true;
}

export const currentRow = () => $(`log-row-${table.current}`);
