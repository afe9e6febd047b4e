// The log's chart as the rules lay it out (form/LogChart): a lane for the
// receipt state, one for each flag that changed and one for each code,
// each named in words above its bar, ticks under them; drawn a pixel a
// column, so that nothing is stretched.
import { $ } from './dom.js';
import { askLog } from './logRead.js';
import { inEnglish } from './logState.js';

const SVG = 'http://www.w3.org/2000/svg';
const BAR = 14;

// Styles set through the element's style, which the page's policy allows
// where a style attribute it does not.
function element(name, attributes = {}, text = undefined, style = {}) {
  const made = name === 'svg' || name === 'path' || name === 'text' ? document.createElementNS(SVG, name) : document.createElement(name);
  for (const [key, value] of Object.entries(attributes)) made.setAttribute(key, String(value));
  for (const [key, value] of Object.entries(style)) made.style.setProperty(key, String(value));
  if (text !== undefined) made.textContent = text;
  return made;
}

const spansPath = (spans) => spans.map(([first, last]) => `M${first} 0h${last - first + 1}v${BAR}h${first - last - 1}z`).join('');

// A lane: its name, then its bar; what the bar holds in `draw`.
function lane(kind, name, columns, draw) {
  const row = element('div', { class: `lane ${kind}` });
  row.append(element('span', { class: 'name' }, name));
  const bar = element('svg', { class: 'bar', viewBox: `0 0 ${columns} ${BAR}`, width: columns, height: BAR, 'aria-hidden': 'true' });
  bar.append(element('path', { d: `M0 0h${columns}v${BAR}h-${columns}z`, class: 'ground' }));
  draw(bar);
  row.append(bar);
  return row;
}

export function drawChart({ axis, columns, from, to, ticks, stateLane, states, stateNames, flags, codes }) {
  const parts = [];
  if (states.length) {
    const byState = new Map();
    for (const [first, last, state] of states) (byState.get(state) || byState.set(state, []).get(state)).push([first, last]);
    parts.push(lane('state', stateLane, columns, (bar) => {
      for (const [state, spans] of byState) bar.append(element('path', { d: spansPath(spans), class: 'state' }, undefined, { '--hue': state * 22.5 }));
      // Its number where there is room for it.
      for (const [first, last, state] of states) {
        if (last - first >= 16) bar.append(element('text', { x: (first + last + 1) / 2, y: BAR - 3, class: 'number' }, String(state)));
      }
    }));
    const legend = element('p', { class: 'legend' });
    for (const { state, name } of stateNames) {
      const entry = element('span', { class: 'entry' });
      entry.append(element('span', { class: 'swatch' }, undefined, { '--hue': state * 22.5 }), document.createTextNode(name));
      legend.append(entry);
    }
    parts.push(legend);
  }
  for (const { name, spans } of flags) parts.push(lane('flag', name, columns, (bar) => bar.append(element('path', { d: spansPath(spans), class: 'set' }))));
  for (const { name, columns: marks } of codes) {
    parts.push(lane('code', name, columns, (bar) => {
      const d = marks.map((column) => `M${Math.max(0, column - 1)} 0h3v${BAR}h-3z`).join('');
      bar.append(element('path', { d, class: 'error' }));
    }));
  }
  // The axis: each tick's time (or line), and the date where it changes.
  const scale = element('div', { class: 'axis', 'aria-hidden': 'true' });
  for (const { column, label, date } of ticks) {
    const tick = element('span', { class: 'tick' }, label, { left: `${(column / columns) * 100}%` });
    if (date) tick.append(element('span', { class: 'date' }, date));
    scale.append(tick);
  }
  parts.push(scale);
  const ends = element('p', { class: 'ends' }, axis === 'line' ? `${from} … ${to}` : `${from} – ${to}`);
  parts.push(ends);
  $('LogChart').replaceChildren($('log-chart-caption'), ...parts);
}

export function askChart() {
  askLog({ kind: 'chart', width: Math.max(100, Math.floor($('LogChart').clientWidth || 300)), english: inEnglish() });
}
